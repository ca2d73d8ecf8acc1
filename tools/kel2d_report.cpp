// kel2d-report: reads a model file, analyses the model and writes the chosen
// sections of the data and results report to standard output, byte for byte
// as the program's own report (CR LF line ends). Everything else the program
// would show (log lines, message boxes) goes to standard error.
#include "analysis/epilisi.h"
#include "drawing/PictureExport.h"
#include "files/Files.h"
#include "reports/ReportText.h"
#include "workspace/Workspace.h"
#ifdef KEL2D_REPORT_PICTURES
#include "ReportPicture.h"
#endif

#include <QString>
#include <QStringList>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

#ifdef KEL2D_REPORT_PICTURES
constexpr bool kPictures = true;
#else
constexpr bool kPictures = false;
#endif

enum ExitStatus {
    ExitOk = 0,
    ExitUnreadable = 1,
    ExitAnalysisFailed = 2,
    ExitUsage = 64,
    ExitOutputFailed = 74,
};

const char *const kUsage =
    "Usage: kel2d-report [--sections DIGITS] MODEL.kel\n"
    "       kel2d-report --picture FILE [--sections DIGITS] MODEL.kel\n"
    "\n"
    "Reads the model file MODEL.kel, analyses the model and writes the chosen\n"
    "sections of the data and results report to standard output, exactly as the\n"
    "program's report is built (CR LF line ends).\n"
    "\n"
    "  --sections DIGITS  the sections to write, as digits 1 to 4 (default 1234):\n"
    "                       1 model data, 2 node displacements,\n"
    "                       3 element forces, 4 constraint-spring reactions.\n"
    "                     The sections come out in the order 1, 2, 3, 4,\n"
    "                     whatever the order of the digits.\n"
    "  --picture FILE     also draw the model, as the program's model view shows\n"
    "                     it with the view the model file keeps, on a drawing\n"
    "                     area of 20 x 15 cm, into FILE: an SVG picture when its\n"
    "                     name ends in .svg, a PDF page when it ends in .pdf.\n"
    "                     The picture is written before the analysis, and\n"
    "                     needs no screen.\n"
    "  -h, --help         show this text and exit.\n"
    "\n"
    "Nodes without elements are kept and analysed with the rest. A model without\n"
    "any node is not analysed: its report is written as it stands, with zero\n"
    "results, and a note says so on standard error.\n"
    "\n"
    "Log lines and messages go to standard error.\n"
    "\n"
    "Exit status:\n"
    "  0   the report was written (also after a mechanism warning)\n"
    "  1   the model file could not be read\n"
    "  2   the analysis failed\n"
    "  64  the command line was wrong\n"
    "  74  the report could not be written to standard output, or the\n"
    "      picture to its file\n";

// Standard error as the log box and the message boxes of the program: log
// entries become lines (an entry that stays on the line continues it), box
// texts are written as they stand. The program often writes the same text
// in a box and in the log, so a text that repeats the one just written is
// written once, and a box that only adds to the log line before it adds
// just the rest.
class ErrorStream {
public:
    void logEntry(const LogEntry &e)
    {
        if (e.stayOnLine && m_lineOpen) {
            put(" " + e.text);
            m_last.clear();
            return;
        }
        item(e.text);
    }

    void item(const QString &text)
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (!m_last.isEmpty() && t.startsWith(m_last)) {
            t = t.mid(m_last.size());
            while (t.startsWith(u'\n'))
                t.remove(0, 1);
            if (t.isEmpty())
                return;
        }
        endLine();
        put(t);
        m_lineOpen = true;
        m_last = t;
    }

    void endLine()
    {
        if (m_lineOpen)
            put(QStringLiteral("\n"));
        m_lineOpen = false;
    }

private:
    static void put(const QString &text)
    {
        const QByteArray bytes = text.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
        std::fflush(stderr);
    }

    bool m_lineOpen = false;
    QString m_last;
};

// Message boxes become text on standard error; there is nobody to answer,
// so every question gets its most cautious answer and every dialog is
// cancelled (the tool never needs one: the file name is given).
class StderrPrompts : public SilentPrompts {
public:
    explicit StderrPrompts(ErrorStream &err) : m_err(err) {}
    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override
    {
        m_err.item(text);
        return SilentPrompts::message(text, title, icon, buttons);
    }

private:
    ErrorStream &m_err;
};

struct Options {
    std::array<bool, 5> sections{}; // [1..4]
    QString modelFile;
    QString pictureFile; // empty: no picture
    bool help = false;
};

struct UsageError {
    QString problem;
};

// Parses DIGITS: one or more of 1 to 4.
std::optional<UsageError> parseSections(const QString &digits, Options &o)
{
    if (digits.isEmpty())
        return UsageError{QStringLiteral("--sections needs at least one section number.")};
    for (QChar c : digits) {
        if (c < u'1' || c > u'4')
            return UsageError{QStringLiteral("\"%1\" is not a section number; use 1 to 4.").arg(c)};
        o.sections[size_t(c.unicode() - u'0')] = true;
    }
    return std::nullopt;
}

// Whether args[i] is the option `name`, alone or as "name=VALUE".
bool isOption(const QString &a, QLatin1String name)
{
    return a == name || (a.startsWith(name) && a.mid(name.size()).startsWith(u'='));
}

// The value of the option at args[i], after its "=" or in the next argument
// (then i moves on to it); nothing when the next argument is missing.
std::optional<QString> optionValue(const QStringList &args, qsizetype &i)
{
    const QString &a = args[i];
    if (a.contains(u'='))
        return a.mid(a.indexOf(u'=') + 1);
    if (++i >= args.size())
        return std::nullopt;
    return args[i];
}

// The picture's name must say its format.
std::optional<UsageError> parsePicture(const std::optional<QString> &file, Options &o)
{
    if (!o.pictureFile.isEmpty())
        return UsageError{QStringLiteral("--picture is given more than once.")};
    if (!file || !vectorFormatOfName(*file))
        return UsageError{QStringLiteral("--picture needs a file name ending in .svg or .pdf.")};
    if (!kPictures)
        return UsageError{QStringLiteral("this kel2d-report was built without pictures.")};
    o.pictureFile = *file;
    return std::nullopt;
}

std::optional<UsageError> parseArguments(const QStringList &args, Options &o)
{
    bool sectionsGiven = false;
    bool optionsEnded = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (optionsEnded || !a.startsWith(u'-') || a == u'-') {
            files << a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o.help = true;
        } else if (isOption(a, QLatin1String("--sections"))) {
            if (sectionsGiven)
                return UsageError{QStringLiteral("--sections is given more than once.")};
            sectionsGiven = true;
            const auto digits = optionValue(args, i);
            if (!digits)
                return UsageError{QStringLiteral("--sections needs the section numbers.")};
            if (auto e = parseSections(*digits, o))
                return e;
        } else if (isOption(a, QLatin1String("--picture"))) {
            if (auto e = parsePicture(optionValue(args, i), o))
                return e;
        } else {
            return UsageError{QStringLiteral("unknown option %1.").arg(a)};
        }
    }
    if (o.help)
        return std::nullopt;
    if (files.isEmpty())
        return UsageError{QStringLiteral("the model file is missing.")};
    if (files.size() > 1)
        return UsageError{QStringLiteral("only one model file can be given.")};
    if (files[0].isEmpty())
        return UsageError{QStringLiteral("the model file name is empty.")};
    o.modelFile = files[0];
    if (!sectionsGiven)
        o.sections = {false, true, true, true, true};
    return std::nullopt;
}

bool writeStdout(const QByteArray &bytes)
{
#ifdef _WIN32
    // The report carries its own CR LF; no newline translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const size_t n = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return n == size_t(bytes.size()) && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

// Draws the read model into the picture file; false, with the reason on
// standard error, when the file could not be written.
bool writePicture([[maybe_unused]] Workspace &ws, [[maybe_unused]] const QString &file,
                  ErrorStream &err)
{
    err.endLine();
#ifdef KEL2D_REPORT_PICTURES
    if (const auto reason = writeModelPicture(ws, *vectorFormatOfName(file), file)) {
        err.endLine();
        std::fprintf(stderr, "kel2d-report: the picture could not be written: %s\n",
                     reason->toLocal8Bit().constData());
        return false;
    }
#endif
    err.endLine();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A report beyond the file-size limit of the process is a failed write
    // (exit status 74 with the reason), not a silent end by the signal.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    Options options;
    if (const auto e = parseArguments(args, options)) {
        std::fprintf(stderr, "kel2d-report: %s\n\n%s", e->problem.toLocal8Bit().constData(),
                     kUsage);
        return ExitUsage;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return ExitOk;
    }

    ErrorStream err;
    StderrPrompts prompts(err);
    Workspace ws;
    ws.setPrompts(&prompts);
    ws.log.setListener([&err](const LogEntry &e) { err.logEntry(e); });

    QString name = options.modelFile;
    if (Read_Model_File(ws, name) != ReadOutcome::Read) {
        err.endLine();
        return ExitUnreadable;
    }

    if (!options.pictureFile.isEmpty() && !writePicture(ws, options.pictureFile, err))
        return ExitOutputFailed;

    // As the analyse command, with every node kept; it never analyses a
    // model without nodes.
    if (ws.model.nodeCount > 0) {
        if (!Run_Analysis(ws)) {
            err.endLine();
            return ExitAnalysisFailed;
        }
    } else {
        err.item(QStringLiteral("kel2d-report: the model has no nodes; it was not analysed."));
    }
    err.endLine();

    QString report;
    for (int s = 1; s <= 4; ++s)
        if (options.sections[size_t(s)])
            report += Report_Text(ws.model, ws.results, s);
    if (!writeStdout(report.toUtf8())) {
        const int code = errno;
        std::fprintf(stderr, "kel2d-report: the report could not be written: %s\n",
                     std::strerror(code));
        return ExitOutputFailed;
    }
    return ExitOk;
}
