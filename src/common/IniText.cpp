#include "common/IniText.h"

#include <QIODevice>
#include <QList>
#include <QString>

namespace {

// The quoted value starting at `open` (the quote itself), unescaped; text
// after the closing quote is ignored.
QString quotedValue(QStringView line, qsizetype open)
{
    QString out;
    for (qsizetype i = open + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            break;
        if (c != QLatin1Char('\\') || i + 1 == line.size()) {
            out += c;
            continue;
        }
        const QChar e = line.at(++i);
        switch (e.unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += e; break;
        }
    }
    return out;
}

QString valueText(QStringView raw)
{
    const QStringView v = raw.trimmed();
    if (v.startsWith(QLatin1Char('"')))
        return quotedValue(v, 0);
    const qsizetype comment = v.indexOf(QLatin1Char(';'));
    return (comment < 0 ? v : v.left(comment)).trimmed().toString();
}

bool needsQuotes(const QString &v)
{
    if (v.isEmpty())
        return false;
    if (v.front().isSpace() || v.back().isSpace())
        return true;
    for (const QChar c : v) {
        if (c == QLatin1Char(';') || c == QLatin1Char('"') || c == QLatin1Char('\\')
            || c.unicode() < 0x20)
            return true;
    }
    return false;
}

QString quoted(const QString &v)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : v) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c; break;
        }
    }
    return out + QLatin1Char('"');
}

QString entry(const QString &key, const QVariant &value)
{
    const QString text = value.toString();
    return key + QLatin1Char('=') + (needsQuotes(text) ? quoted(text) : text) + QLatin1Char('\n');
}

bool readDevice(QIODevice &device, QSettings::SettingsMap &map)
{
    map = parseIniText(device.readAll());
    return true;
}

bool writeDevice(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray text = iniText(map);
    return device.write(text) == text.size();
}

} // namespace

QSettings::SettingsMap parseIniText(const QByteArray &text)
{
    QSettings::SettingsMap map;
    QString section;
    const QString all = QString::fromUtf8(text);
    for (QStringView line : QStringView(all).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QStringView key = eq < 0 ? QStringView() : line.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        const QString path =
            section.isEmpty() ? key.toString() : section + QLatin1Char('/') + key.toString();
        map.insert(path, valueText(line.mid(eq + 1)));
    }
    return map;
}

QByteArray iniText(const QSettings::SettingsMap &map)
{
    // Keys outside any section go first: after a "[Section]" line they
    // would read back inside it.
    QString out;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!it.key().contains(QLatin1Char('/')))
            out += entry(it.key(), it.value());
    }
    QString section;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            continue;
        const QString s = it.key().left(slash);
        if (s != section) {
            if (!out.isEmpty())
                out += QLatin1Char('\n');
            out += QLatin1Char('[') + s + QLatin1String("]\n");
            section = s;
        }
        out += entry(it.key().mid(slash + 1), it.value());
    }
    return out.toUtf8();
}

QSettings::Format iniTextFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readDevice, writeDevice);
    return format;
}
