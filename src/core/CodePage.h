#pragma once

#include <QByteArray>
#include <QString>

// Text files of earlier versions were written in the Windows code page 1252.

// The bytes read as Windows-1252. The five bytes the code page leaves unassigned keep their
// Latin-1 (control) values, as Windows itself maps them.
QString FromWindows1252(const QByteArray& bytes);
// False when a byte is one of the five that Windows-1252 leaves unassigned: such bytes were never
// written as text.
bool IsWindows1252Text(const QByteArray& bytes);
