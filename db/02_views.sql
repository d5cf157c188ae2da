-- Views read like tables by the desk and the visit analysis.

-- One row per contact. mm and dd are the two-digit month and day of the birthday, so that
-- year || '-' || mm || '-' || dd is this year's birthday as an ISO date. They are NULL when the
-- birthday is missing or not ISO text (yyyy-MM-dd, optionally followed by a time); such a
-- contact then matches no date range.
CREATE VIEW ViewCusBirthday AS
SELECT
    CusName,
    PersonName,
    Sex,
    Birthday,
    UserID,
    CASE WHEN Birthday GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'
         THEN substr(Birthday, 6, 2) END AS mm,
    CASE WHEN Birthday GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'
         THEN substr(Birthday, 9, 2) END AS dd
FROM hb_CustomerPerson;

-- Number of visits per customer that has any.
CREATE VIEW ViewVisitInfo AS
SELECT
    CusID,
    count(*) AS VisCount
FROM hb_VisitInfo
WHERE CusID IS NOT NULL
GROUP BY CusID;

-- Number of orders and their contract total per customer that has any.
CREATE VIEW ViewOrderInfo AS
SELECT
    CusId AS CusID,
    count(*) AS OrderCount,
    coalesce(sum(htMoney), 0.0) AS OrderSumMoney
FROM hb_OrderInfo
WHERE CusId IS NOT NULL
GROUP BY CusId;
