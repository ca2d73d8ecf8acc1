#include "ReportPicture.h"

#include "drawing/Sxediastika.h"
#include "drawing/gui/PictureFile.h"
#include "drawing/gui/VectorPicture.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// The resolution the program assumes for a screen: a 1-pixel line is as
// wide, a 7-point text as large as there.
constexpr int kReportPictureDpi = 96;

// Texts are measured and written with the desktop's fonts, which need a GUI
// application; the offscreen platform gives one without a display. Qt sets
// the C library's locale from the environment when it starts: the report
// that follows is written as it always is, so the locale is put back.
class OffscreenApplication {
public:
    OffscreenApplication() : m_locale(std::setlocale(LC_ALL, nullptr))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        s_handler = qInstallMessageHandler(quiet);
        m_app.emplace(m_argc, m_argv);
    }
    ~OffscreenApplication()
    {
        m_app.reset();
        qInstallMessageHandler(s_handler);
        std::setlocale(LC_ALL, m_locale.c_str());
    }
    OffscreenApplication(const OffscreenApplication &) = delete;
    OffscreenApplication &operator=(const OffscreenApplication &) = delete;

private:
    // Without a desktop session Qt notes that it made a runtime folder of its
    // own; the tool writes no file there, so the note is not passed on.
    static void quiet(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
            return;
        if (s_handler)
            s_handler(type, context, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
    static inline QtMessageHandler s_handler = nullptr;

    std::string m_locale;
    char m_name[13] = "kel2d-report";
    char *m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::optional<QGuiApplication> m_app;
};

} // namespace

std::optional<QString> writeModelPicture(Workspace &ws, PictureFormat format,
                                         const QString &fileName)
{
    const OffscreenApplication app;
    const QSize size(qRound(ws.view.areaWidth / 2.54 * kReportPictureDpi),
                     qRound(ws.view.areaHeight / 2.54 * kReportPictureDpi));
    const std::int16_t mode = ws.drawingMode;
    ws.drawingMode = ModeModel;
    const QByteArray bytes =
        vectorPicture(format, PictureFrame{size, kReportPictureDpi, QGuiApplication::palette()},
                      [&ws](Canvas &canvas) { RedrawDrawingArea(ws, canvas); });
    ws.drawingMode = mode;
    return writePictureFile(bytes, fileName);
}
