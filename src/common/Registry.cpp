#include "common/Registry.h"

#include "common/IniText.h"
#include "common/NumberForms.h"
#include "common/SettingsTable.h"
#include "common/UserPrompts.h"

#include <QStandardPaths>
#include <QStringList>
#include <cmath>

// ------------------------------------------------------------ the store

SettingsStore::SettingsStore(const QString &iniPath) : m_settings(iniPath, iniTextFormat()) {}

QString SettingsStore::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + kProgramTitle + QLatin1Char('/') + kProgramTitle
        + QStringLiteral(".ini");
}

namespace {

// Whether `stored` (as QSettings lists it, "section/key") names the key,
// letter case aside.
bool sameKey(const QString &stored, const QString &section, const QString &key)
{
    const QStringView k(stored);
    return k.size() == section.size() + 1 + key.size() && k.at(section.size()) == QLatin1Char('/')
        && k.left(section.size()).compare(section, Qt::CaseInsensitive) == 0
        && k.mid(section.size() + 1).compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

// The key as the file spells it; QSettings itself matches keys by exact case.
QString SettingsStore::storedKey(const QString &section, const QString &key) const
{
    const QString exact = section + QLatin1Char('/') + key;
    const QStringList keys = m_settings.allKeys();
    // An exact match wins over another spelling of the same key.
    if (keys.contains(exact))
        return exact;
    for (const QString &k : keys) {
        if (sameKey(k, section, key))
            return k;
    }
    return QString();
}

std::optional<QString> SettingsStore::value(const QString &section, const QString &key) const
{
    const QString stored = storedKey(section, key);
    if (stored.isEmpty())
        return std::nullopt;
    return m_settings.value(stored).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &text)
{
    // One entry per key whatever its letter case, so that the value written
    // is the value read.
    const QString exact = section + QLatin1Char('/') + key;
    for (const QString &k : m_settings.allKeys()) {
        if (k != exact && sameKey(k, section, key))
            m_settings.remove(k);
    }
    m_settings.setValue(exact, text);
}

bool SettingsStore::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

// ------------------------------------------------------------ value forms

namespace {

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> readBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = nf::parseNumber(t))
        return *number != 0;
    return std::nullopt;
}

// A 32-bit colour, either as its signed text (system colours are negative)
// or as an unsigned value.
std::optional<double> readColour(const QString &text)
{
    const auto number = nf::tryLeadingNumber(text);
    if (!number || *number < -2147483648.0 || *number > 4294967295.0)
        return std::nullopt;
    return number;
}

QString colourText(double colour)
{
    return QString::number(static_cast<qint32>(colourValue(colour)));
}

// The stored text as a value of the row's field; nothing when it is
// unreadable or outside the range the View options dialog accepts. Numbers
// are held as the field holds them: scales and the grid spacing in single
// precision, counts rounded to whole numbers (halves to even).
std::optional<double> readStored(const SettingRow &row, const QString &text)
{
    switch (row.kind()) {
    case SettingKind::Boolean:
        if (const auto b = readBool(text))
            return *b ? 1.0 : 0.0;
        return std::nullopt;
    case SettingKind::Colour: return readColour(text);
    case SettingKind::Single:
    case SettingKind::Int16: break;
    }
    const auto number = nf::tryLeadingNumber(text);
    if (!number || !row.accepts(*number))
        return std::nullopt;
    return row.held(*number);
}

} // namespace

// ------------------------------------------------------------ settings

void Load_Settings(Settings &s, const SettingsStore &store)
{
    // Start from the defaults: an absent key, or a value that is unreadable
    // or one the View options dialog would refuse (a zero scale would divide
    // the diagrams by zero, a negative count of decimals or frames would
    // break the labels and the animation), leaves the field at its default.
    s = Settings{};
    for (const SettingRow &row : settingRows()) {
        const auto text = store.value(kSettingsSection, QString::fromLatin1(row.key));
        if (!text)
            continue;
        if (const auto value = readStored(row, *text))
            row.setValue(s, *value);
    }
}

// ------------------------------------------------------------ window placement

WindowPlacement loadWindowPlacement(const SettingsStore &store)
{
    WindowPlacement p;
    const auto number = [&](const char *key) -> std::optional<double> {
        const auto text = store.value(kStartupSection, QString::fromLatin1(key));
        if (!text)
            return std::nullopt;
        return nf::tryLeadingNumber(*text);
    };
    if (const auto state = number("WindowState")) {
        const auto s = nf::toInt16(*state);
        if (s && *s >= 0 && *s <= 2)
            p.state = *s;
    }
    // A size that no window can have is taken for a damaged entry.
    if (const auto w = number("frmM_W"); w && *w > 0 && *w < 1e6)
        p.width = *w;
    if (const auto h = number("frmM_H"); h && *h > 0 && *h < 1e6)
        p.height = *h;
    if (const auto l = number("frmM_L"); l && std::fabs(*l) < 1e6)
        p.left = *l;
    if (const auto t = number("frmM_T"); t && std::fabs(*t) < 1e6)
        p.top = *t;
    return p;
}

void Save_Window_State(SettingsStore &store, const WindowPlacement &placement)
{
    // A window that closes minimised opens normal next time.
    const int state = placement.state == 1 ? 0 : placement.state;
    const auto single = [](double v) { return nf::generalSingle(static_cast<float>(v)); };
    store.setValue(kStartupSection, QStringLiteral("WindowState"), QString::number(state));
    store.setValue(kStartupSection, QStringLiteral("frmM_W"), single(placement.width));
    store.setValue(kStartupSection, QStringLiteral("frmM_H"), single(placement.height));
    if (placement.left)
        store.setValue(kStartupSection, QStringLiteral("frmM_L"), single(*placement.left));
    if (placement.top)
        store.setValue(kStartupSection, QStringLiteral("frmM_T"), single(*placement.top));
    store.sync();
}

// ------------------------------------------------------------ the "Default" button

namespace {

// A control in its stored form. A numeric field is stored as the number read
// from its text; the checks have made sure it is one the field accepts.
QString storedText(const SettingRow &row, const ViewOptionsInput &in)
{
    switch (row.kind()) {
    case SettingKind::Boolean: return boolText(in.choice(row) != 0);
    case SettingKind::Colour: return colourText(in.choice(row));
    case SettingKind::Single:
    case SettingKind::Int16: break;
    }
    return nf::generalDouble(nf::readLeadingNumber(in.text(row)));
}

} // namespace

bool writeDefaultSettings(SettingsStore &store, const ViewOptionsInput &in,
                          ViewOptionsCheck *failed)
{
    const ViewOptionsCheck check = checkViewOptions(in);
    if (failed)
        *failed = check;
    if (check != ViewOptionsCheck::Ok)
        return false;
    for (const SettingRow &row : settingRows())
        store.setValue(kSettingsSection, QString::fromLatin1(row.writtenKey()),
                       storedText(row, in));
    store.sync();
    return true;
}
