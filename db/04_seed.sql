-- Starting rows of a new database.

-- Departments: the company (ID 0, outside the tree of TopID 0) and its first departments.
INSERT INTO hb_SysDept (ID, DeptName, TopID, Date1, xh) VALUES
    (0, '总公司', -1, '2026-01-01', 0),
    (1, '销售部',  0, '2026-01-01', 1),
    (2, '市场部',  0, '2026-01-01', 2),
    (3, '行政部',  0, '2026-01-01', 3);

-- Roles: the administrator (ID 0) sees every menu item and every record; it is hidden from the
-- role screen (Vis 0) so that it cannot be edited or deleted there.
-- Salespeople see their own records only.
INSERT INTO hb_SysRole (ID, RoleName, FindRole, Vis) VALUES
    (0, '管理员', '0', 0),
    (1, '业务员', '2', 1);

-- The administrator account: login admin, password admin (stored scrambled).
INSERT INTO hb_SysUser (ID, LogName, UseName, Pwd, DeptID, DeptName, RoleID, RoleName, State) VALUES
    (1, 'admin', '系统管理员', '5D856AF43C', 0, '总公司', 0, '管理员', '在职');

-- Menu catalogue: the top-level menus (TopID 0), then every command that a role can be granted,
-- captioned as in the role screen and placed under the ID of its top-level menu.
INSERT INTO hb_SysMenu (ID, MenuCode, MenuName, TopID) VALUES
    (1,'N3','工作计划',0),
    (2,'N1','客户管理',0),
    (3,'N12','销售管理',0),
    (4,'N18','邮件管理',0),
    (5,'N21','列表明细',0),
    (6,'N52','统计报表',0),
    (7,'N22','系统管理',0),
    (8,'DayMenu','新增日程',1),
    (9,'DayLMenu','日程管理',1),
    (10,'WeekMenu','新增周计划',1),
    (11,'WeekLMenu','周计划管理',1),
    (12,'MonthMenu','新增月计划',1),
    (13,'MonthLMenu','月计划管理',1),
    (14,'CustomerMenu','新增客户',2),
    (15,'CustomerLMenu','客户管理',2),
    (16,'CusPersonMenu','新增联系人',2),
    (17,'CusPersonLMenu','联系人管理',2),
    (18,'VisitMenu','新增拜访记录',2),
    (19,'VisitLMenu','拜访记录管理',2),
    (20,'OrderMenu','新增订单',3),
    (21,'OrderLMenu','订单管理',3),
    (22,'DueMenu','新增回款',3),
    (23,'DueLMenu','回款管理',3),
    (24,'CustomerRMenu','客户明细',5),
    (25,'CusPersonRMenu','联系人明细',5),
    (26,'VisitRMenu','拜访记录明细',5),
    (27,'OrderRMenu','订单明细',5),
    (28,'DueRMenu','回款明细',5),
    (29,'DayRMenu','日程明细',5),
    (30,'WeekRMenu','周计划明细',5),
    (31,'MonthRMenu','月计划明细胞',5),
    (32,'eMailMenu','发送邮件',4),
    (33,'eMailLMenu','邮件管理',4),
    (34,'eMailServerMenu','邮件服务器',4),
    (35,'CustomerTMenu','客户增长统计',6),
    (36,'VisitTMenu','拜访情况统计',6),
    (37,'VisitFMenu','拜访情况分析',6),
    (38,'CurReDueMenu','本月回款排行榜',6),
    (39,'CurSaleMenu','本月销售排行榜(按合同额)',6),
    (40,'CurSaleCountMenu','本月销售排行榜(按订单数)',6),
    (41,'UserMenu','新增用户',7),
    (42,'UserLMenu','用户管理',7),
    (43,'GoodsMenu','产品管理',7),
    (44,'RoleMenu','权限管理',7),
    (45,'DeptMenu','部门管理',7),
    (46,'DatumMenu','数据字典',7),
    (47,'AreaMenu','地区管理',7),
    (48,'MoveWorkMenu','移交工作',7);

-- Permissions of the salesperson role: its commands, their top-level menus and separators.
INSERT INTO hb_SysPower (RoleName, MenuName) VALUES
    ('业务员', 'N3'),
    ('业务员', 'DayMenu'),
    ('业务员', 'DayLMenu'),
    ('业务员', 'N6'),
    ('业务员', 'WeekMenu'),
    ('业务员', 'WeekLMenu'),
    ('业务员', 'N9'),
    ('业务员', 'MonthMenu'),
    ('业务员', 'MonthLMenu'),
    ('业务员', 'N1'),
    ('业务员', 'CustomerMenu'),
    ('业务员', 'CustomerLMenu'),
    ('业务员', 'N37'),
    ('业务员', 'CusPersonMenu'),
    ('业务员', 'CusPersonLMenu'),
    ('业务员', 'N40'),
    ('业务员', 'VisitMenu'),
    ('业务员', 'VisitLMenu'),
    ('业务员', 'N12'),
    ('业务员', 'OrderMenu'),
    ('业务员', 'OrderLMenu'),
    ('业务员', 'N15'),
    ('业务员', 'DueMenu'),
    ('业务员', 'DueLMenu'),
    ('业务员', 'N18'),
    ('业务员', 'eMailMenu'),
    ('业务员', 'eMailLMenu'),
    ('业务员', 'N60'),
    ('业务员', 'eMailServerMenu'),
    ('业务员', 'N22'),
    ('业务员', 'N23'),
    ('业务员', 'N34'),
    ('业务员', 'N35');

-- Dictionary categories.
INSERT INTO hb_SysCode (ID, CodeNum, CodeName, xh) VALUES
    (1,  'A001', '拜访状态', 1),
    (2,  'A003', '产品类别', 2),
    (3,  'A004', '订单来源', 3),
    (4,  'A005', '订单状态', 4),
    (5,  'A006', '拜访方式', 5),
    (6,  'A007', '经营模式', 6),
    (7,  'A008', '客户关系', 7),
    (8,  'A009', '客户来源', 8),
    (9,  'A010', '客户类型', 9),
    (10, 'A011', '年营业额', 10),
    (11, 'A012', '员工人数', 11),
    (12, 'A013', '所属行业', 12),
    (13, 'A014', '付款方式', 13),
    (14, 'A015', '注册资金', 14),
    (15, 'A016', '紧急程度', 15);

-- Dictionary entries, in display order within each category.
INSERT INTO hb_SysCodeChild (Datum, CodeNum, xh) VALUES
    ('初次接触', 'A001', 1),
    ('需求确认', 'A001', 2),
    ('方案报价', 'A001', 3),
    ('商务谈判', 'A001', 4),
    ('已成交',   'A001', 5),
    ('已流失',   'A001', 6),

    ('硬件',     'A003', 1),
    ('软件',     'A003', 2),
    ('服务',     'A003', 3),
    ('耗材',     'A003', 4),

    ('电话订购', 'A004', 1),
    ('上门拜访', 'A004', 2),
    ('网站',     'A004', 3),
    ('展会',     'A004', 4),
    ('老客户介绍', 'A004', 5),

    ('未发货',   'A005', 1),
    ('已发货',   'A005', 2),
    ('已完成',   'A005', 3),
    ('已取消',   'A005', 4),

    ('电话拜访', 'A006', 1),
    ('上门拜访', 'A006', 2),
    ('邮件',     'A006', 3),
    ('即时通讯', 'A006', 4),

    ('生产型',   'A007', 1),
    ('贸易型',   'A007', 2),
    ('服务型',   'A007', 3),
    ('政府或其他机构', 'A007', 4),

    ('潜在客户', 'A008', 1),
    ('意向客户', 'A008', 2),
    ('合作客户', 'A008', 3),
    ('重点客户', 'A008', 4),
    ('流失客户', 'A008', 5),

    ('电话营销', 'A009', 1),
    ('网络推广', 'A009', 2),
    ('展会',     'A009', 3),
    ('客户介绍', 'A009', 4),
    ('主动来访', 'A009', 5),

    ('企业客户', 'A010', 1),
    ('个人客户', 'A010', 2),
    ('代理商',   'A010', 3),
    ('政府机构', 'A010', 4),

    ('100万以下',       'A011', 1),
    ('100万-500万',     'A011', 2),
    ('500万-1000万',    'A011', 3),
    ('1000万-5000万',   'A011', 4),
    ('5000万以上',      'A011', 5),

    ('50人以下',   'A012', 1),
    ('50-100人',   'A012', 2),
    ('100-500人',  'A012', 3),
    ('500-1000人', 'A012', 4),
    ('1000人以上', 'A012', 5),

    ('制造业',   'A013', 1),
    ('批发零售', 'A013', 2),
    ('信息技术', 'A013', 3),
    ('金融',     'A013', 4),
    ('教育',     'A013', 5),
    ('其他',     'A013', 6),

    ('现金',     'A014', 1),
    ('银行转账', 'A014', 2),
    ('支票',     'A014', 3),
    ('汇票',     'A014', 4),

    ('50万以下',      'A015', 1),
    ('50万-100万',    'A015', 2),
    ('100万-500万',   'A015', 3),
    ('500万-1000万',  'A015', 4),
    ('1000万以上',    'A015', 5),

    ('一般',     'A016', 1),
    ('紧急',     'A016', 2),
    ('非常紧急', 'A016', 3);

-- Areas: provinces (TopID 0), their cities and counties. Cities are found under a province, and
-- counties under a city, by the parent's name, so every name used as a parent occurs only once.
INSERT INTO hb_SysArea (ID, AreaName, TopID, xh) VALUES
    (1,  '广东省', 0,  1),
    (2,  '广州市', 1,  1),
    (3,  '天河区', 2,  1),
    (4,  '越秀区', 2,  2),
    (5,  '深圳市', 1,  2),
    (6,  '南山区', 5,  1),
    (7,  '福田区', 5,  2),
    (8,  '江苏省', 0,  2),
    (9,  '南京市', 8,  1),
    (10, '玄武区', 9,  1),
    (11, '鼓楼区', 9,  2),
    (12, '苏州市', 8,  2),
    (13, '姑苏区', 12, 1),
    (14, '北京市', 0,  3),
    (15, '市辖区', 14, 1),
    (16, '朝阳区', 15, 1),
    (17, '海淀区', 15, 2);
