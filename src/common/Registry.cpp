#include "common/Registry.h"

#include "common/NumberForms.h"
#include "common/UserPrompts.h"

#include <QStandardPaths>
#include <QStringList>
#include <cfloat>
#include <cmath>

// ------------------------------------------------------------ the store

SettingsStore::SettingsStore(const QString &iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
}

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
    return k.size() == section.size() + 1 + key.size()
        && k.at(section.size()) == QLatin1Char('/')
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
    const QVariant v = m_settings.value(stored);
    // A hand-written value with commas reads as a list; give back its text.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
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
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (const auto number = nf::parseNumber(t)) return *number != 0;
    return std::nullopt;
}

// Scales and the grid spacing: a positive single.
std::optional<float> readPositiveSingle(const QString &text)
{
    const auto number = nf::tryLeadingNumber(text);
    if (!number || !(*number > 0) || *number > FLT_MAX) return std::nullopt;
    const float value = static_cast<float>(*number);
    if (!(value > 0)) return std::nullopt;
    return value;
}

// Counts: rounded to the nearest integer, halves to even.
std::optional<std::int16_t> readWhole(const QString &text, int lowest, int highest)
{
    const auto number = nf::tryLeadingNumber(text);
    if (!number) return std::nullopt;
    const auto value = nf::toInt16(*number);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return value;
}

// A 32-bit colour, either as its signed text (system colours are negative)
// or as an unsigned value.
std::optional<double> readColour(const QString &text)
{
    const auto number = nf::tryLeadingNumber(text);
    if (!number || *number < -2147483648.0 || *number > 4294967295.0) return std::nullopt;
    return number;
}

QString colourText(double colour)
{
    return QString::number(static_cast<qint32>(colourValue(colour)));
}

template <typename T, typename Reader>
void load(const SettingsStore &store, const char *key, T &field, Reader read)
{
    const auto text = store.value(kSettingsSection, QString::fromLatin1(key));
    if (!text) return;
    if (const auto value = read(*text))
        field = *value;
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
    const auto colour = readColour;
    const auto frames = [](const QString &t) { return readWhole(t, 1, 1000); };
    const auto decimals = [](const QString &t) { return readWhole(t, 0, 13); };

    load(store, "nai_aksones", s.nai_aksones, readBool);
    load(store, "nai_grid", s.nai_grid, readBool);
    load(store, "kannab", s.kannab, readPositiveSingle);
    load(store, "nai_komboi", s.nai_komboi, readBool);
    load(store, "nai_arithmisi_kombon", s.nai_arithmisi_kombon, readBool);
    load(store, "nai_desmefseis", s.nai_desmefseis, readBool);
    load(store, "nai_graf_stir", s.nai_graf_stir, readBool);
    load(store, "nai_sint_kombon", s.nai_sint_kombon, readBool);
    load(store, "nai_springs", s.nai_springs, readBool);
    load(store, "nai_stoixeia", s.nai_stoixeia, readBool);
    load(store, "nai_arithmisi_stoixeion", s.nai_arithmisi_stoixeion, readBool);
    load(store, "nai_omades", s.nai_omades, readBool);
    load(store, "nai_miki", s.nai_miki, readBool);
    load(store, "nai_fortiseis_si", s.nai_fortiseis_si, readBool);
    load(store, "nai_times_fortiseon_si", s.nai_times_fortiseon_si, readBool);
    load(store, "nai_times_N", s.nai_times_N, readBool);
    load(store, "N_sin_Ina", s.N_sin_Ina, readBool);
    load(store, "Ena_cm_posa_FORCE", s.Ena_cm_posa_FORCE, readPositiveSingle);
    load(store, "Ena_cm_posa_STRESS", s.Ena_cm_posa_STRESS, readPositiveSingle);
    load(store, "Ena_cm_posa_STRAIN", s.Ena_cm_posa_STRAIN, readPositiveSingle);
    load(store, "Ena_cm_posa_m_epi_1000", s.Ena_cm_posa_m_epi_1000, readPositiveSingle);
    load(store, "Animation_Frames", s.Animation_Frames, frames);
    load(store, "dekadika_N", s.dekadika_N, decimals);
    load(store, "dekadika_strain", s.dekadika_strain, decimals);
    load(store, "xroma_background", s.xroma_background, colour);
    load(store, "xroma_aksonon", s.xroma_aksonon, colour);
    load(store, "xroma_grid", s.xroma_grid, colour);
    load(store, "xroma_stoixeion", s.xroma_stoixeion, colour);
    load(store, "xroma_kombon", s.xroma_kombon, colour);
    load(store, "xroma_sigkentromenon", s.xroma_sigkentromenon, colour);
    load(store, "xroma_paramorfosis", s.xroma_paramorfosis, colour);
    load(store, "Xroma_Efelkismou", s.Xroma_Efelkismou, colour);
    load(store, "Xroma_Thlipsis", s.Xroma_Thlipsis, colour);
    load(store, "Xroma_Afortistou", s.Xroma_Afortistou, colour);
    load(store, "xroma_N", s.xroma_N, colour);
    load(store, "Nai_Apolites_Sint", s.Nai_Apolites_Sint, readBool);
    load(store, "Nai_Sxetikes_Sint", s.Nai_Sxetikes_Sint, readBool);
    load(store, "Show_FORCE", s.Show_FORCE, readBool);
    load(store, "Show_STRESS", s.Show_STRESS, readBool);
    load(store, "Show_STRAIN", s.Show_STRAIN, readBool);
}

// ------------------------------------------------------------ window placement

WindowPlacement Load_Window_Placement(const SettingsStore &store)
{
    WindowPlacement p;
    const auto number = [&](const char *key) -> std::optional<double> {
        const auto text = store.value(kStartupSection, QString::fromLatin1(key));
        if (!text) return std::nullopt;
        return nf::tryLeadingNumber(*text);
    };
    if (const auto state = number("WindowState")) {
        const auto s = nf::toInt16(*state);
        if (s && *s >= 0 && *s <= 2) p.state = *s;
    }
    // A size that no window can have is taken for a damaged entry.
    if (const auto w = number("frmM_W"); w && *w > 0 && *w < 1e6) p.width = *w;
    if (const auto h = number("frmM_H"); h && *h > 0 && *h < 1e6) p.height = *h;
    if (const auto l = number("frmM_L"); l && std::fabs(*l) < 1e6) p.left = *l;
    if (const auto t = number("frmM_T"); t && std::fabs(*t) < 1e6) p.top = *t;
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

DefaultSettingsInput DefaultSettingsInput::fromSettings(const Settings &s)
{
    DefaultSettingsInput in;
    in.nai_aksones = s.nai_aksones;
    in.nai_grid = s.nai_grid;
    in.nai_komboi = s.nai_komboi;
    in.nai_arithmisi_kombon = s.nai_arithmisi_kombon;
    in.nai_desmefseis = s.nai_desmefseis;
    in.nai_graf_stir = s.nai_graf_stir;
    in.nai_sint_kombon = s.nai_sint_kombon;
    in.nai_springs = s.nai_springs;
    in.nai_fortiseis_si = s.nai_fortiseis_si;
    in.nai_times_fortiseon_si = s.nai_times_fortiseon_si;
    in.nai_stoixeia = s.nai_stoixeia;
    in.nai_arithmisi_stoixeion = s.nai_arithmisi_stoixeion;
    in.nai_omades = s.nai_omades;
    in.nai_miki = s.nai_miki;
    in.nai_times_N = s.nai_times_N;
    in.N_sin_Ina = s.N_sin_Ina;
    in.Nai_Apolites_Sint = s.Nai_Apolites_Sint;
    in.Nai_Sxetikes_Sint = s.Nai_Sxetikes_Sint;
    in.Show_FORCE = s.Show_FORCE;
    in.Show_STRESS = s.Show_STRESS;
    in.Show_STRAIN = s.Show_STRAIN;
    in.kannab = nf::reportPlainSingle(s.kannab);
    in.Ena_cm_posa_FORCE = nf::reportPlainSingle(s.Ena_cm_posa_FORCE);
    in.Ena_cm_posa_STRESS = nf::reportPlainSingle(s.Ena_cm_posa_STRESS);
    in.Ena_cm_posa_STRAIN = nf::reportPlainSingle(s.Ena_cm_posa_STRAIN);
    in.Ena_cm_posa_m_epi_1000 = nf::reportPlainSingle(s.Ena_cm_posa_m_epi_1000);
    in.Animation_Frames = QString::number(s.Animation_Frames);
    in.dekadika_N = QString::number(s.dekadika_N);
    in.dekadika_strain = QString::number(s.dekadika_strain);
    in.xroma_background = s.xroma_background;
    in.xroma_aksonon = s.xroma_aksonon;
    in.xroma_grid = s.xroma_grid;
    in.xroma_kombon = s.xroma_kombon;
    in.xroma_stoixeion = s.xroma_stoixeion;
    in.xroma_sigkentromenon = s.xroma_sigkentromenon;
    in.xroma_paramorfosis = s.xroma_paramorfosis;
    in.Xroma_Efelkismou = s.Xroma_Efelkismou;
    in.Xroma_Thlipsis = s.Xroma_Thlipsis;
    in.Xroma_Afortistou = s.Xroma_Afortistou;
    in.xroma_N = s.xroma_N;
    return in;
}

namespace {

double fieldNumber(const QString &text) { return nf::readLeadingNumber(text); }
bool isWholeNotNegative(double v) { return v >= 0 && std::floor(v) == v; }

} // namespace

ViewOptionsCheck Check_View_Options(const DefaultSettingsInput &in)
{
    if (!(fieldNumber(in.Ena_cm_posa_FORCE) > 0)) return ViewOptionsCheck::ForceScale;
    if (!(fieldNumber(in.Ena_cm_posa_STRESS) > 0)) return ViewOptionsCheck::StressScale;
    if (!(fieldNumber(in.Ena_cm_posa_STRAIN) > 0)) return ViewOptionsCheck::StrainScale;
    if (!(fieldNumber(in.Ena_cm_posa_m_epi_1000) > 0)) return ViewOptionsCheck::DeformationScale;
    const double frames = fieldNumber(in.Animation_Frames);
    if (!(frames > 0 && frames <= 1000)) return ViewOptionsCheck::AnimationFrames;
    const double decN = fieldNumber(in.dekadika_N);
    if (!isWholeNotNegative(decN)) return ViewOptionsCheck::DecimalsNNotWhole;
    if (decN > 13) return ViewOptionsCheck::DecimalsNTooMany;
    const double decE = fieldNumber(in.dekadika_strain);
    if (!isWholeNotNegative(decE)) return ViewOptionsCheck::DecimalsStrainNotWhole;
    if (decE > 13) return ViewOptionsCheck::DecimalsStrainTooMany;
    if (!(fieldNumber(in.kannab) > 0)) return ViewOptionsCheck::GridSpacing;
    return ViewOptionsCheck::Ok;
}

bool Write_Default_Settings(SettingsStore &store, const DefaultSettingsInput &in,
                            ViewOptionsCheck *failed)
{
    const ViewOptionsCheck check = Check_View_Options(in);
    if (failed) *failed = check;
    if (check != ViewOptionsCheck::Ok)
        return false;

    const auto put = [&](const char *key, const QString &text) {
        store.setValue(kSettingsSection, QString::fromLatin1(key), text);
    };
    const auto putBool = [&](const char *key, bool value) { put(key, boolText(value)); };
    const auto putColour = [&](const char *key, double value) { put(key, colourText(value)); };
    // A numeric field is stored as the number read from its text.
    const auto putPositive = [&](const char *key, const QString &field) {
        const double v = fieldNumber(field);
        if (v > 0) put(key, nf::generalDouble(v));
    };
    const auto putDecimals = [&](const char *key, const QString &field) {
        const double v = fieldNumber(field);
        if (isWholeNotNegative(v)) put(key, nf::generalDouble(v));
    };

    putBool("nai_aksones", in.nai_aksones);
    putBool("nai_grid", in.nai_grid);
    putPositive("kannab", in.kannab);
    putColour("xroma_background", in.xroma_background);
    putColour("xroma_aksonon", in.xroma_aksonon);
    putColour("xroma_grid", in.xroma_grid);
    putBool("nai_komboi", in.nai_komboi);
    putBool("nai_arithmisi_kombon", in.nai_arithmisi_kombon);
    putBool("nai_desmefseis", in.nai_desmefseis);
    putBool("nai_graf_stir", in.nai_graf_stir);
    putBool("nai_sint_kombon", in.nai_sint_kombon);
    putBool("nai_springs", in.nai_springs);
    putBool("nai_fortiseis_si", in.nai_fortiseis_si);
    putBool("nai_times_fortiseon_si", in.nai_times_fortiseon_si);
    putBool("nai_stoixeia", in.nai_stoixeia);
    putBool("nai_arithmisi_stoixeion", in.nai_arithmisi_stoixeion);
    putBool("nai_omades", in.nai_omades);
    putBool("nai_miki", in.nai_miki);
    putColour("xroma_kombon", in.xroma_kombon);
    putColour("xroma_stoixeion", in.xroma_stoixeion);
    putColour("xroma_sigkentromenon", in.xroma_sigkentromenon);
    putColour("xroma_paramorfosis", in.xroma_paramorfosis);
    putColour("Xroma_Efelkismou", in.Xroma_Efelkismou);
    putColour("Xroma_Thlipsis", in.Xroma_Thlipsis);
    putColour("Xroma_Afortistou", in.Xroma_Afortistou);
    putPositive("Ena_cm_posa_FORCE", in.Ena_cm_posa_FORCE);
    putPositive("Ena_cm_posa_Stress", in.Ena_cm_posa_STRESS);
    putPositive("Ena_cm_posa_Strain", in.Ena_cm_posa_STRAIN);
    putPositive("Ena_cm_posa_m_epi_1000", in.Ena_cm_posa_m_epi_1000);
    putPositive("Animation_Frames", in.Animation_Frames);
    putDecimals("dekadika_N", in.dekadika_N);
    putDecimals("dekadika_strain", in.dekadika_strain);
    putBool("nai_times_N", in.nai_times_N);
    putBool("N_sin_Ina", in.N_sin_Ina);
    putColour("xroma_N", in.xroma_N);
    putBool("Nai_Apolites_Sint", in.Nai_Apolites_Sint);
    putBool("Nai_Sxetikes_Sint", in.Nai_Sxetikes_Sint);
    putBool("Show_FORCE", in.Show_FORCE);
    putBool("Show_STRESS", in.Show_STRESS);
    putBool("Show_STRAIN", in.Show_STRAIN);
    store.sync();
    return true;
}
