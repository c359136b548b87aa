-- Every player of the sample renamed, in his games and tournaments too; some countries are a
-- formula or markup; some tournaments renamed too.
CREATE TEMP TABLE renamed AS SELECT player AS old, CASE rowid % 8
    WHEN 0 THEN '<img src=x onerror=alert(1)>'
    WHEN 1 THEN '"Quoted" & ''single'' </td></tr></table><script>x()</script>' || char(8232)
    WHEN 2 THEN '../../etc/passwd'
    WHEN 3 THEN 'a/b\c'
    WHEN 4 THEN replace(hex(zeroblob(150)), '0', 'W')
    WHEN 5 THEN 'Case R'
    WHEN 6 THEN 'CASE R'
    ELSE 'Nul' || char(0) || 'Char' END || rowid AS new FROM rankings;
UPDATE scores SET [TEAM A] = (SELECT new FROM renamed WHERE old = [TEAM A]);
UPDATE scores SET [TEAM B] = (SELECT new FROM renamed WHERE old = [TEAM B]);
UPDATE tables SET player = (SELECT new FROM renamed WHERE old = player);
UPDATE rankings SET player = (SELECT new FROM renamed WHERE old = player);
UPDATE rankings SET country = '=cmd|'' /C calc''!A0' WHERE rowid % 8 = 3;
UPDATE rankings SET country = '"><b x="' WHERE rowid % 8 = 4;
CREATE TEMP TABLE events AS SELECT tournament AS old, CASE rowid % 3
    WHEN 0 THEN '<img src=t>"&' || rowid WHEN 1 THEN 'Case T' || rowid
    ELSE 'CASE T' || (rowid - 1) END AS new FROM "tournament players"
    WHERE rowid < 9 AND tournament NOT LIKE 'world cup%' AND tournament NOT LIKE '%cup';
UPDATE scores SET tournament = (SELECT new FROM events WHERE old = tournament)
    WHERE tournament IN (SELECT old FROM events);
UPDATE tables SET tournament = (SELECT new FROM events WHERE old = tournament)
    WHERE tournament IN (SELECT old FROM events);
UPDATE "tournament players" SET tournament = (SELECT new FROM events WHERE old = tournament)
    WHERE tournament IN (SELECT old FROM events);
