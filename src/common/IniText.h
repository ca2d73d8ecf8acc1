#pragma once
// The text form of the settings store: "[Section]" lines and "key=value"
// lines, every value kept as the text it is.
//
// Qt's own INI format turns a value that starts with "@Variant(" into a
// binary QVariant read by QDataStream; a damaged or hand-edited store can
// then make the program allocate gigabytes before it shows a window. The
// store only ever holds text, so it is read and written here as text.
#include <QByteArray>
#include <QSettings>

// Keys come out as "Section/key"; keys outside any section as "key". A
// value in double quotes may hold any character (\" \\ \n \r \t escaped);
// an unquoted value ends at ';' (a comment) and is trimmed. Lines without
// '=' and lines starting with ';' or '#' are skipped; the last of repeated
// keys wins.
QSettings::SettingsMap parseIniText(const QByteArray &text);
// Sections in key order; a value is quoted when it would not read back
// unquoted.
QByteArray iniText(const QSettings::SettingsMap &map);

// The QSettings format that reads and writes through the two above.
QSettings::Format iniTextFormat();
