// The Help menu's commands.
#include "ui/frmMain.h"

#include "common/PlatformServices.h"

#include <QCoreApplication>
#include <QFileInfo>

QString frmMain::helpBookPath() const
{
    QStringList candidates{QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/kel2d/help/index.html")};
    if (!m_helpFallbackDir.isEmpty())
        candidates << m_helpFallbackDir + QStringLiteral("/index.html");
    for (const QString &c : candidates)
        if (QFileInfo::exists(c))
            return QFileInfo(c).canonicalFilePath();
    return {};
}

void frmMain::helpContents()
{
    const QString book = helpBookPath();
    if (book.isEmpty()) {
        m_ws.reportError(QStringLiteral("The help book could not be found. It is installed with "
                                        "the program in share/kel2d/help."));
        return;
    }
    if (!m_services->openLocalFile(book))
        m_ws.reportError(QStringLiteral("The help book could not be opened: ") + book);
}

void frmMain::helpWeb()
{
    if (!m_services->openUrl(webAddress()))
        m_ws.reportError(QStringLiteral("The web page could not be opened: ") + webAddress());
}

void frmMain::helpAbout()
{
    const QString text = QStringLiteral("Corvane Kel.2D v") + versionString() + QStringLiteral("\n")
        + description() + QStringLiteral(".\n\n") + webAddress()
        + QStringLiteral("\nCopyright (C) Corvane.\n\n"
                         "This program is provided as is, without warranty of any kind. "
                         "Check every result before you rely on it.");
    m_ws.prompts().message(text, kProgramTitle, PromptIcon::Information, PromptButtons::Ok);
}
