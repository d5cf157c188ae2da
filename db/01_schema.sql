-- Tables of the CRM database.
--
-- Conventions:
--   * Every table is STRICT, so a value of the wrong type is refused instead of being stored as text.
--   * Every table has an integer row key. AUTOINCREMENT keeps keys from being reused after a delete,
--     so records that still name a deleted user, customer or order never point at a newer row.
--   * Dates are ISO text: 'yyyy-MM-dd' for dates, 'yyyy-MM-dd HH:mm:ss' for date-times and
--     'HH:mm:ss' for times of day, so that comparing and ordering them as text is right.
--   * Amounts, prices and quantities are REAL.
--   * The display-order columns (xh) are INTEGER so that 10 sorts after 9. The screens send the typed
--     digits as text, which the column converts; a text that is not a whole number (also the empty
--     text) is refused, NULL is accepted.
--   * No foreign keys and no uniqueness rules: the program checks references and duplicates itself.

-- Users --------------------------------------------------------------------------------------------

CREATE TABLE hb_SysUser (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    LogName     TEXT COLLATE NOCASE,      -- login name, matched without regard to case
    UseName     TEXT,                     -- display name
    Pwd         TEXT,                     -- scrambled password (hex digits)
    DeptID      INTEGER,
    DeptName    TEXT,
    RoleID      INTEGER,
    RoleName    TEXT,
    Birthday    TEXT,                     -- yyyy-MM-dd
    Phone       TEXT,
    MovePhone   TEXT,
    eMail       TEXT,
    QQ          TEXT,
    Address     TEXT,
    State       TEXT                      -- '在职' or '离职'
) STRICT;

-- Roles; FindRole is the record visibility: '0' all, '1' own department, '2' own records.
-- Only rows with Vis = 1 are offered by the role screen.
CREATE TABLE hb_SysRole (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    RoleName    TEXT,
    FindRole    TEXT,
    Vis         INTEGER DEFAULT 1
) STRICT;

-- Menu items granted to a role, by role name and menu component name.
CREATE TABLE hb_SysPower (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    RoleName    TEXT,
    MenuName    TEXT
) STRICT;

-- Catalogue of the menu: component name, caption, TopID 0 for a top-level menu.
CREATE TABLE hb_SysMenu (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    MenuCode    TEXT,
    MenuName    TEXT,
    TopID       INTEGER
) STRICT;

-- Departments, a tree; the company itself is the row with ID 0.
CREATE TABLE hb_SysDept (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    DeptName    TEXT,
    TopID       INTEGER,
    Date1       TEXT,                     -- yyyy-MM-dd
    xh          INTEGER
) STRICT;

-- Areas, a tree of province, city and county; provinces have TopID 0.
CREATE TABLE hb_SysArea (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    AreaName    TEXT,
    TopID       INTEGER,
    xh          INTEGER
) STRICT;

-- Dictionary categories and their entries.
CREATE TABLE hb_SysCode (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    CodeNum     TEXT,
    CodeName    TEXT,
    xh          INTEGER
) STRICT;

CREATE TABLE hb_SysCodeChild (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    Datum       TEXT,
    CodeNum     TEXT,
    xh          INTEGER
) STRICT;

-- Customers ----------------------------------------------------------------------------------------

CREATE TABLE hb_CustomerInfo (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    CusCode       TEXT,
    Customer      TEXT,                   -- full name, copied into CusName of related rows
    CusName       TEXT,                   -- short name
    CusDept       TEXT,
    CusPerson     TEXT,
    CusType       TEXT,
    CusSource     TEXT,
    CusBind       TEXT,
    CusBuyType    TEXT,
    CusSumPerson  TEXT,
    CusSumMoney   TEXT,
    CusBusiness   TEXT,
    CusYearMoney  TEXT,
    CusCountry    TEXT,                   -- province
    CusArea       TEXT,                   -- city
    CusChildArea  TEXT,                   -- county
    CusZip        TEXT,
    CusAreaNum    TEXT,
    CusPhone      TEXT,
    CusFax        TEXT,
    CusMovePhone  TEXT,
    CusMail       TEXT,
    CusInter      TEXT,
    CusAddress    TEXT,
    CusMemo       TEXT,
    ThreeYearInfo TEXT,
    QZTZ          TEXT,
    VisState      TEXT,
    LastVisDate   TEXT,                   -- yyyy-MM-dd
    UserID        INTEGER,
    UserName      TEXT,
    DeptID        INTEGER,
    DeptName      TEXT,
    Date1         TEXT                    -- yyyy-MM-dd
) STRICT;

CREATE TABLE hb_CustomerPerson (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    CusID       INTEGER,
    CusName     TEXT,
    PersonName  TEXT,
    CusDept     TEXT,
    Birthday    TEXT,                     -- yyyy-MM-dd
    Sex         TEXT,
    ZW          TEXT,
    MovePhone   TEXT,
    Phone       TEXT,
    eMail       TEXT,
    QQ          TEXT,
    MSN         TEXT,
    Address     TEXT,
    PersonLike  TEXT,
    Memo1       TEXT,
    JG          TEXT,
    JSR         TEXT,
    JSRGX       TEXT,
    Likes       TEXT,
    TD          TEXT,
    StudentMemo TEXT,
    LikeClass   TEXT,
    XQ          TEXT,
    LW          TEXT,
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd
) STRICT;

CREATE TABLE hb_VisitInfo (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    VisCode     TEXT,
    CusID       INTEGER,
    CusName     TEXT,
    VisPerson   TEXT,
    VisType     TEXT,
    VisState    TEXT,
    VisDate     TEXT,                     -- yyyy-MM-dd
    VisTime     TEXT,                     -- HH:mm:ss
    NextDate    TEXT,                     -- yyyy-MM-dd
    NextTime    TEXT,                     -- HH:mm:ss
    GTMB        TEXT,
    GTNR        TEXT,
    Product     TEXT,
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd
) STRICT;

-- Products and sales -------------------------------------------------------------------------------

CREATE TABLE hb_ProductInfo (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    ProductCode TEXT,
    ProductName TEXT,
    Type1       TEXT,
    Colors      TEXT,
    cpxh        TEXT,
    BuyPrice    REAL,
    SalePrice   REAL,
    Units       TEXT
) STRICT;

CREATE TABLE hb_OrderInfo (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    OrderID     TEXT,                     -- order number typed by the user
    CusId       INTEGER,
    CusName     TEXT,
    OrderType   TEXT,
    PayType     TEXT,
    OrderState  TEXT,
    TumoverDate TEXT,                     -- yyyy-MM-dd
    htMoney     REAL,                     -- contract amount
    yfMoney     REAL DEFAULT 0,           -- amount received so far
    MoneyState  INTEGER DEFAULT 0,
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd HH:mm:ss
) STRICT;

CREATE TABLE hb_OrderDetail (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    OrderID     TEXT,
    ProductName TEXT,
    Colors      TEXT,
    cpxh        TEXT,
    Price       REAL,
    Qty         REAL,
    Units       TEXT,
    SumMoney    REAL,
    WarnDate    TEXT,                     -- yyyy-MM-dd, NULL when not given
    Memo1       TEXT
) STRICT;

-- Payments received; IsDel: 0 as entered, 1 reversed since, -1 the reversal row itself.
CREATE TABLE hb_Due (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    DueNum      TEXT,
    OrderID     TEXT,
    CusID       INTEGER,
    CusName     TEXT,
    Amount      REAL,
    DueDate     TEXT,                     -- yyyy-MM-dd
    DueUser     TEXT,
    MethordName TEXT,
    Remarks     TEXT,
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT,                     -- yyyy-MM-dd
    IsDel       INTEGER DEFAULT 0
) STRICT;

-- Work plans ---------------------------------------------------------------------------------------

CREATE TABLE hb_DayWork (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    Title       TEXT,
    Memo1       TEXT,
    PlantDate   TEXT,                     -- yyyy-MM-dd
    PlantTime   TEXT,                     -- HH:mm:ss
    State       TEXT,
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd
) STRICT;

CREATE TABLE hb_WeekWork (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    PlanCode    TEXT,
    PlanTitle   TEXT,
    PlanMemo    TEXT,
    PlanFlag    TEXT,
    PlanReason  TEXT,
    PlanJY      TEXT,
    StartDate   TEXT,                     -- yyyy-MM-dd
    EndDate     TEXT,                     -- yyyy-MM-dd
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd
) STRICT;

CREATE TABLE hb_MonthWork (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    PlanCode    TEXT,
    PlanTitle   TEXT,
    PlanMemo    TEXT,
    PlanFlag    TEXT,
    PlanReason  TEXT,
    PlanJY      TEXT,
    StartDate   TEXT,                     -- yyyy-MM-dd
    EndDate     TEXT,                     -- yyyy-MM-dd
    UserID      INTEGER,
    UserName    TEXT,
    DeptID      INTEGER,
    DeptName    TEXT,
    Date1       TEXT                      -- yyyy-MM-dd
) STRICT;

-- Mail ---------------------------------------------------------------------------------------------

-- One outgoing server per user; ServerAddress holds the SMTP port.
CREATE TABLE hb_MailServer (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    ServerName    TEXT,
    ServerAddress INTEGER,
    MailName      TEXT,
    MailPwd       TEXT,                   -- scrambled password (hex digits)
    UserID        INTEGER
) STRICT;

CREATE TABLE hb_MailBody (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    SendMail    TEXT,
    ReadMail    TEXT,                     -- recipients separated by ';'
    MailTitle   TEXT,
    MailBody    TEXT,
    Date1       TEXT,                     -- yyyy-MM-dd
    SendFail    TEXT,                     -- failed recipients, each preceded by ','
    SendState   INTEGER DEFAULT 1,
    UserID      INTEGER,
    UserName    TEXT
) STRICT;
