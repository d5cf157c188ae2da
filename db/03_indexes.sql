-- Indexes for the lookups, lists, desk panels, detail lists and rankings.
-- Owner lists filter on UserID (or DeptID) and sort by Date1; detail lists and rankings filter
-- on a date range of their own date column.

-- Users, roles, permissions, menu catalogue
CREATE INDEX ix_SysUser_LogName      ON hb_SysUser (LogName);          -- login (NOCASE, as the column)
CREATE INDEX ix_SysUser_UseName      ON hb_SysUser (UseName);          -- user id by name, work transfer
CREATE INDEX ix_SysUser_DeptID       ON hb_SysUser (DeptID);           -- users of a department
CREATE INDEX ix_SysUser_RoleName     ON hb_SysUser (RoleName);         -- role still in use
CREATE INDEX ix_SysRole_RoleName     ON hb_SysRole (RoleName);
CREATE INDEX ix_SysPower_Role_Menu   ON hb_SysPower (RoleName, MenuName);
CREATE INDEX ix_SysMenu_MenuCode     ON hb_SysMenu (MenuCode);
CREATE INDEX ix_SysMenu_MenuName     ON hb_SysMenu (MenuName);

-- Trees and dictionary
CREATE INDEX ix_SysDept_TopID_xh     ON hb_SysDept (TopID, xh);
CREATE INDEX ix_SysDept_DeptName     ON hb_SysDept (DeptName);
CREATE INDEX ix_SysDept_xh           ON hb_SysDept (xh);               -- department choice list
CREATE INDEX ix_SysArea_TopID_xh     ON hb_SysArea (TopID, xh);
CREATE INDEX ix_SysArea_AreaName     ON hb_SysArea (AreaName);
CREATE INDEX ix_SysCode_CodeNum      ON hb_SysCode (CodeNum);
CREATE INDEX ix_SysCode_CodeName     ON hb_SysCode (CodeName);
CREATE INDEX ix_SysCodeChild_Code_xh ON hb_SysCodeChild (CodeNum, xh);
CREATE INDEX ix_SysCodeChild_xh      ON hb_SysCodeChild (xh);          -- all entries in order

-- Products
CREATE INDEX ix_ProductInfo_Name     ON hb_ProductInfo (ProductName);

-- Customers
CREATE INDEX ix_CustomerInfo_User_Date1 ON hb_CustomerInfo (UserID, Date1);
CREATE INDEX ix_CustomerInfo_Dept_Date1 ON hb_CustomerInfo (DeptID, Date1);
CREATE INDEX ix_CustomerInfo_Date1      ON hb_CustomerInfo (Date1);
CREATE INDEX ix_CustomerInfo_CusCode    ON hb_CustomerInfo (CusCode);
CREATE INDEX ix_CustomerInfo_VisState   ON hb_CustomerInfo (VisState);

-- Contacts
CREATE INDEX ix_CustomerPerson_User_Date1 ON hb_CustomerPerson (UserID, Date1);
CREATE INDEX ix_CustomerPerson_Dept_Date1 ON hb_CustomerPerson (DeptID, Date1);
CREATE INDEX ix_CustomerPerson_Date1      ON hb_CustomerPerson (Date1);
CREATE INDEX ix_CustomerPerson_CusID      ON hb_CustomerPerson (CusID, Date1);

-- Visits
CREATE INDEX ix_VisitInfo_User_Date1   ON hb_VisitInfo (UserID, Date1);
CREATE INDEX ix_VisitInfo_CusID        ON hb_VisitInfo (CusID, VisDate);
CREATE INDEX ix_VisitInfo_VisDate      ON hb_VisitInfo (VisDate);

-- Orders and order lines
CREATE INDEX ix_OrderInfo_User_Date1   ON hb_OrderInfo (UserID, Date1);
CREATE INDEX ix_OrderInfo_Dept_Date1   ON hb_OrderInfo (DeptID, Date1);
CREATE INDEX ix_OrderInfo_Date1        ON hb_OrderInfo (Date1);
CREATE INDEX ix_OrderInfo_OrderID      ON hb_OrderInfo (OrderID);
CREATE INDEX ix_OrderInfo_CusId        ON hb_OrderInfo (CusId, TumoverDate);
CREATE INDEX ix_OrderInfo_TumoverDate  ON hb_OrderInfo (TumoverDate);
CREATE INDEX ix_OrderDetail_OrderID    ON hb_OrderDetail (OrderID);
CREATE INDEX ix_OrderDetail_WarnDate   ON hb_OrderDetail (WarnDate);

-- Payments
CREATE INDEX ix_Due_OrderID            ON hb_Due (OrderID);
CREATE INDEX ix_Due_DueNum             ON hb_Due (DueNum);
CREATE INDEX ix_Due_CusID              ON hb_Due (CusID);
CREATE INDEX ix_Due_DueDate            ON hb_Due (DueDate);
CREATE INDEX ix_Due_DueUser            ON hb_Due (DueUser, DueDate);
CREATE INDEX ix_Due_User_DueDate       ON hb_Due (UserID, DueDate);
CREATE INDEX ix_Due_Dept_DueDate       ON hb_Due (DeptID, DueDate);

-- Work plans
CREATE INDEX ix_DayWork_User_PlantDate ON hb_DayWork (UserID, PlantDate);
CREATE INDEX ix_DayWork_PlantDate      ON hb_DayWork (PlantDate);
CREATE INDEX ix_WeekWork_User_Title    ON hb_WeekWork (UserID, PlanTitle);
CREATE INDEX ix_WeekWork_Date1         ON hb_WeekWork (Date1);
CREATE INDEX ix_MonthWork_User_Title   ON hb_MonthWork (UserID, PlanTitle);
CREATE INDEX ix_MonthWork_Date1        ON hb_MonthWork (Date1);

-- Mail
CREATE INDEX ix_MailServer_UserID      ON hb_MailServer (UserID);
CREATE INDEX ix_MailBody_User_Date1    ON hb_MailBody (UserID, Date1);
CREATE INDEX ix_MailBody_Date1         ON hb_MailBody (Date1);
