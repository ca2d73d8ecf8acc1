#include "files/ModelFileFormat.h"

#include "common/NumberForms.h"
#include "common/SettingsTable.h"
#include "drawing/ViewTransform.h"
#include "model/Model.h"

#include <QFileDevice>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <variant>

namespace kelfile {
namespace {

const std::array<const char *, 5> kHeader = {
    "***********************************", "*        Kel!2D Input file        *",
    "***********************************", "*        Do NOT Modify !!!        *",
    "***********************************",
};
const char *const kEndLine = "END of Kel!2D Input File";

// One line of the settings block: a display setting, or the view's scale or
// one of its offsets.
using BlockLine = std::variant<const SettingRow *, float ViewTransform::*, double ViewTransform::*>;
constexpr int kSettingsBlockLines = 43;

// The display settings sit at the lines their rows name; the view fills
// lines 27 to 29.
const std::array<BlockLine, kSettingsBlockLines> &settingsBlock()
{
    static const auto block = [] {
        std::array<BlockLine, kSettingsBlockLines> lines{};
        lines[27 - 1] = &ViewTransform::scale;
        lines[28 - 1] = &ViewTransform::offsetX;
        lines[29 - 1] = &ViewTransform::offsetY;
        for (const SettingRow &row : settingRows()) {
            if (row.fileLine > 0)
                lines[size_t(row.fileLine - 1)] = &row;
        }
        return lines;
    }();
    return block;
}

// The view scale the program never lets fall below; a file with a smaller
// one gets the default view scale.
constexpr float kMinViewScale = 1.0f;

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// ---------------------------------------------------------------- writing

class Writer {
public:
    Writer() { m_bytes.reserve(16 * 1024); }
    void line(const char *text)
    {
        m_bytes.append(text);
        m_bytes.append("\r\n");
    }
    void line(const QString &text)
    {
        m_bytes.append(text.toLatin1());
        m_bytes.append("\r\n");
    }
    void integer(int value) { line(QString::number(value)); }
    void single(float value) { line(nf::fileSingle(value)); }
    void dbl(double value) { line(nf::fileDouble(value)); }
    void boolean(bool value) { line(value ? "1" : "0"); }
    void setting(const SettingRow &row, const Settings &settings)
    {
        const double v = row.value(settings);
        switch (row.kind()) {
        case SettingKind::Boolean: boolean(v != 0); break;
        case SettingKind::Single: single(static_cast<float>(v)); break;
        case SettingKind::Int16: integer(static_cast<int>(v)); break;
        case SettingKind::Colour: dbl(v); break;
        }
    }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

bool hasSpring(const Spring &s) { return s.kx > 0 || s.ky > 0; }

} // namespace

namespace {

void writeModel(Writer &w, const Model &m)
{
    w.line("Groups");
    w.integer(m.groupCount);
    w.line("");
    for (int g = 1; g <= m.groupCount; ++g) {
        w.integer(g);
        w.dbl(m.groups[g].E);
        w.dbl(m.groups[g].A);
        w.line("");
    }

    w.line("Nodes");
    w.integer(m.nodeCount);
    w.line("");
    for (int n = 1; n <= m.nodeCount; ++n) {
        const Node &node = m.nodes[n];
        w.integer(n);
        for (float v : {node.x, node.y, node.cx, node.cy, node.fx, node.fy})
            w.single(v);
        w.line("");
    }

    w.line("Elements");
    w.integer(m.elementCount);
    w.line("");
    for (int e = 1; e <= m.elementCount; ++e) {
        const Element &el = m.elements[e];
        w.integer(e);
        w.single(el.ni);
        w.single(el.nj);
        w.single(el.group);
        w.line("");
    }
}

void writeSprings(Writer &w, const Model &m)
{
    // Only spring-supported nodes are listed, so count them first.
    int springCount = 0;
    for (int n = 1; n <= m.nodeCount; ++n)
        springCount += hasSpring(m.springs[n]) ? 1 : 0;
    w.line("Springs");
    w.integer(springCount);
    for (int n = 1; n <= m.nodeCount; ++n) {
        if (!hasSpring(m.springs[n]))
            continue;
        w.integer(n);
        w.single(m.springs[n].kx);
        w.single(m.springs[n].ky);
    }
}

} // namespace

QByteArray modelFileBytes(const Model &m, const Settings &settings, const ViewTransform &view)
{
    Writer w;
    for (const char *h : kHeader)
        w.line(h);
    w.line("");
    writeModel(w, m);
    writeSprings(w, m);

    w.line("Settings");
    for (const BlockLine &line : settingsBlock()) {
        std::visit(Overloaded{
                       [&](const SettingRow *row) { w.setting(*row, settings); },
                       [&](float ViewTransform::*p) { w.single(view.*p); },
                       [&](double ViewTransform::*p) { w.dbl(view.*p); },
                   },
                   line);
    }
    w.line(kEndLine);
    return w.take();
}

// ---------------------------------------------------------------- reading

namespace {

// Thrown inside the parser only; parseModelFile turns it into its result.
struct Failure {
    ParseFailure f;
};

[[noreturn]] void fail(const QString &description)
{
    throw Failure{ParseFailure{false, description}};
}

// Hands out the file's lines without their line ends (CR LF or LF), with
// their line numbers, refusing a line longer than kMaxLineLength. The lines
// come from a device or straight from the bytes of a text in memory.
class LineSource {
public:
    explicit LineSource(QIODevice &in) : m_in(&in) {}
    explicit LineSource(QByteArrayView bytes) : m_bytes(bytes) {}

    enum class Status { Line, End, TooLong };

    Status next(QByteArray &line)
    {
        // One byte for the terminating zero readLine() writes, one for the
        // LF, one for a CR before it, one to tell an overlong line.
        constexpr qint64 bufferSize = kMaxLineLength + 4;
        char buffer[bufferSize];
        const qint64 got =
            m_in ? m_in->readLine(buffer, bufferSize) : readBytes(buffer, bufferSize);
        if (got <= 0) {
            // -1 is both "end of data" and "read error": tell them apart.
            const auto *file = qobject_cast<const QFileDevice *>(m_in);
            if (file && file->error() != QFileDevice::NoError)
                fail(file->errorString());
            return Status::End;
        }
        ++m_lineNumber;
        qint64 len = got;
        const bool hadLineEnd = buffer[len - 1] == '\n';
        if (hadLineEnd)
            --len;
        if (len > 0 && buffer[len - 1] == '\r')
            --len;
        if (len > kMaxLineLength || (!hadLineEnd && got == bufferSize - 1))
            return Status::TooLong;
        line = QByteArray(buffer, len);
        return Status::Line;
    }

    int lineNumber() const { return m_lineNumber; }

private:
    // What QIODevice::readLine(buffer, size) gives for the same bytes: up to
    // size - 1 bytes, through the first LF; -1 at the end.
    qint64 readBytes(char *buffer, qint64 size)
    {
        if (m_bytes.isEmpty())
            return -1;
        const QByteArrayView chunk = m_bytes.first(std::min(qsizetype(size - 1), m_bytes.size()));
        const qsizetype lf = chunk.indexOf('\n');
        const qsizetype got = lf < 0 ? chunk.size() : lf + 1;
        std::memcpy(buffer, chunk.data(), std::size_t(got));
        m_bytes = m_bytes.sliced(got);
        return got;
    }

    QIODevice *m_in = nullptr;
    QByteArrayView m_bytes;
    int m_lineNumber = 0;
};

class Parser {
public:
    Parser(LineSource lines, Model &m, Settings &s, ViewTransform &v)
        : m_lines(lines), m_model(m), m_settings(s), m_view(v)
    {
    }

    void run()
    {
        readHeader();
        readGroupsAndNodes();
        readElementsAndSprings();

        m_section = "settings are";
        skip(); // "Settings"
        for (const BlockLine &line : settingsBlock())
            readBlockLine(line);
        // The closing line and anything after it are not read.
    }

private:
    void readGroupsAndNodes()
    {
        m_section = "groups are";
        skip(); // empty line after the header
        skip(); // "Groups"
        const int groups = count("group", kMaxGroups);
        m_model.groupCount = static_cast<std::int16_t>(groups);
        skip();
        for (int g = 1; g <= groups; ++g) {
            number(); // record number, for the eye only
            m_model.groups[g].E = number();
            m_model.groups[g].A = number();
            skip();
        }

        m_section = "nodes are";
        skip(); // "Nodes"
        const int nodes = count("node", kMaxNodes);
        m_model.nodeCount = static_cast<std::int16_t>(nodes);
        skip();
        for (int n = 1; n <= nodes; ++n) {
            Node &node = m_model.nodes[n];
            number();
            node.x = single();
            node.y = single();
            // A hand-edited flag other than 0 or 1 is kept, so the file can
            // be opened and mended; the analysis refuses it, naming the node.
            node.cx = single();
            node.cy = single();
            node.fx = single();
            node.fy = single();
            skip();
        }
    }

    void readElementsAndSprings()
    {
        m_section = "elements are";
        skip(); // "Elements"
        const int elements = count("element", kMaxElements);
        m_model.elementCount = static_cast<std::int16_t>(elements);
        skip();
        for (int e = 1; e <= elements; ++e) {
            Element &el = m_model.elements[e];
            number();
            el.ni = single();
            el.nj = single();
            el.group = single();
            skip();
        }

        m_section = "springs are";
        skip(); // "Springs"
        const int springs = count("spring", kMaxNodes);
        for (int i = 0; i < springs; ++i) {
            const int n = springNode();
            m_model.springs[n].kx = single(); // a negative one is the analysis's to refuse
            m_model.springs[n].ky = single();
        }
    }

    void readHeader()
    {
        // Anything but the five header lines means this is not a model file,
        // whether the text differs, the file is shorter or a line is absurdly
        // long (a binary file, say).
        for (const char *expected : kHeader) {
            QByteArray line;
            if (m_lines.next(line) != LineSource::Status::Line || line != expected)
                throw Failure{ParseFailure{true, QString()}};
        }
    }

    QByteArray nextLine()
    {
        QByteArray line;
        switch (m_lines.next(line)) {
        case LineSource::Status::Line: return line;
        case LineSource::Status::TooLong:
            fail(QStringLiteral("line %1 is too long.").arg(m_lines.lineNumber()));
        case LineSource::Status::End: break;
        }
        fail(QStringLiteral("the file ends before its %1 complete.").arg(QLatin1String(m_section)));
    }

    // Empty and keyword lines are passed over unchecked.
    void skip() { nextLine(); }

    QString where() const { return QStringLiteral("line %1: ").arg(m_lines.lineNumber()); }

    double number()
    {
        const QByteArray line = nextLine();
        if (const auto v = nf::parseNumber(QString::fromLatin1(line)))
            return *v;
        fail(where() + QStringLiteral("a number was expected."));
    }

    // Counts, spring node numbers and 16-bit settings are 16-bit integers:
    // a fraction rounds to the nearest, halves to even. Nothing when the
    // rounded value does not fit.
    std::optional<int> wholeNumber(double v) const
    {
        const auto whole = nf::toInt16(v);
        return whole ? std::optional<int>(*whole) : std::nullopt;
    }

    int count(const char *what, int limit)
    {
        const double v = number();
        const QString name = QLatin1String(what);
        const auto whole = wholeNumber(v);
        if (whole ? *whole < 0 : v < 0)
            fail(where()
                 + QStringLiteral("the %1 count %2 is negative.").arg(name, nf::generalDouble(v)));
        if (!whole || *whole > limit)
            fail(where()
                 + QStringLiteral("the %1 count %2 exceeds the limit of %3.")
                       .arg(name, nf::generalDouble(v))
                       .arg(limit));
        return *whole;
    }

    // Narrowing to a float: values that round to the largest float are
    // still taken, anything beyond would become infinite.
    float toSingle(double v)
    {
        static const double limit = double(FLT_MAX) + std::ldexp(1.0, 103);
        if (!(std::fabs(v) < limit))
            fail(where()
                 + QStringLiteral("the value %1 is too large for a single-precision field.")
                       .arg(nf::generalDouble(v)));
        return static_cast<float>(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
    }

    float single() { return toSingle(number()); }

    int springNode()
    {
        const double v = number();
        const auto n = wholeNumber(v);
        if (!n || *n < 1 || *n > kMaxNodes)
            fail(where()
                 + QStringLiteral("the spring node number %1 is outside 1 to %2.")
                       .arg(nf::generalDouble(v))
                       .arg(kMaxNodes));
        return *n;
    }

    std::int16_t int16()
    {
        const auto v = wholeNumber(number());
        if (!v)
            fail(where() + QStringLiteral("a whole number from -32768 to 32767 was expected."));
        return static_cast<std::int16_t>(*v);
    }

    void readBlockLine(const BlockLine &line)
    {
        std::visit(Overloaded{
                       [&](const SettingRow *row) { readSetting(*row); },
                       [&](float ViewTransform::*p) {
                           const float v = single();
                           m_view.*p = v >= kMinViewScale ? v : ViewTransform{}.*p;
                       },
                       [&](double ViewTransform::*p) { m_view.*p = number(); },
                   },
                   line);
    }

    // A display value outside the range the program gives the field falls
    // back to its default: it would stall or break the drawing.
    void readSetting(const SettingRow &row)
    {
        double v = 0;
        switch (row.kind()) {
        case SettingKind::Boolean:
            // Only the number 1 is true; -1, 2 or text are false.
            v = nf::parseNumber(QString::fromLatin1(nextLine())) == 1.0 ? 1 : 0;
            break;
        case SettingKind::Single: v = single(); break;
        case SettingKind::Int16: v = int16(); break;
        case SettingKind::Colour: v = number(); break;
        }
        row.setValue(m_settings, row.range.contains(v) ? v : row.factory);
    }

    LineSource m_lines;
    Model &m_model;
    Settings &m_settings;
    ViewTransform &m_view;
    const char *m_section = "header is";
};

std::optional<ParseFailure> parse(LineSource lines, Model &model, Settings &settings,
                                  ViewTransform &view)
{
    try {
        Parser(lines, model, settings, view).run();
    } catch (const Failure &f) {
        return f.f;
    }
    return std::nullopt;
}

} // namespace

std::optional<ParseFailure> parseModelFile(QIODevice &in, Model &model, Settings &settings,
                                           ViewTransform &view)
{
    return parse(LineSource(in), model, settings, view);
}

std::optional<ParseFailure> parseModelFile(QByteArrayView text, Model &model, Settings &settings,
                                           ViewTransform &view)
{
    return parse(LineSource(text), model, settings, view);
}

} // namespace kelfile
