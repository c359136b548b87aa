#pragma once

#include <filesystem>
#include <string>

#include "duzedo/SampleDuzedo.h"
#include "site/Site.h"

// The duzedo commands besides report (Report.h), once their arguments are checked. Each prints
// what it did on standard output and throws std::exception, with a one-line message, on failure.

// sample: DIR/duzedo.mdb (Jet 4) and DIR/duzedo.sqlite, DIR made when missing.
void RunSample(const SampleOptions& options, const std::filesystem::path& dir);

// sql: the rows of one query through the program's engine, tab-separated or as JSON.
void RunSql(const std::string& db, const std::string& sql, bool json);

// to-sqlite, to-mdb: every user table of an Access file (Conversion.h), with a note on standard
// error when it holds no DUZEDO table; the tables the program reads of an SQLite file. out may be
// in.
void RunToSqlite(const std::string& in, const std::string& out);
void RunToMdb(const std::string& in, const std::string& out);

// pictures: the diagram pictures drawn from the database's games into dir.
void RunPictures(const std::string& db, const std::string& dir);

// site: the statistics of db as a static web site in dir, which is replaced whole; one that holds
// files the command did not write only when force. An empty title keeps the default one.
// 1 when pages were left out, each reason on standard error; 0 otherwise.
int RunSite(const std::string& db, const std::string& dir, SiteOptions options);
