-- Games the site and the window could read apart: names in another letter case, goals not
-- entered, a player against himself, a name spelt twice in the rankings.
INSERT INTO scores SELECT max(id) + 1, 'LICHE K', 'O''Neil S', NULL, 3, 'Friendly' FROM scores;
INSERT INTO scores SELECT max(id) + 1, 'o''neil s ', 'Liche K', 2, NULL, 'Friendly' FROM scores;
INSERT INTO scores SELECT max(id) + 1, 'Liche K', 'liche k', 4, 1, 'Friendly' FROM scores;
INSERT INTO scores SELECT 0, 'Liche K', 'O''Neil S', 1, 1, 'World Cup II Final' FROM scores
    LIMIT 1;
INSERT INTO rankings (player, country, r) VALUES ('LICHE K', 'Nowhere', 0), ('Liche K', '', 0);
