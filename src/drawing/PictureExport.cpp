#include "drawing/PictureExport.h"

#include "common/Interaction.h"

#include <QDir>
#include <QFileInfo>

const PictureFileKind &bitmapPicture()
{
    static const PictureFileKind kind{
        QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral(".bmp"),
        QStringLiteral("An error occured while trying to save the bitmap file:")};
    return kind;
}

const PictureFileKind &pictureFileKind(PictureFormat format)
{
    static const PictureFileKind svg{
        QStringLiteral("SVG Files (*.svg)"), QStringLiteral(".svg"),
        QStringLiteral("An error occurred while trying to save the SVG file:")};
    static const PictureFileKind pdf{
        QStringLiteral("PDF Files (*.pdf)"), QStringLiteral(".pdf"),
        QStringLiteral("An error occurred while trying to save the PDF file:")};
    switch (format) {
    case PictureFormat::Svg: return svg;
    case PictureFormat::Pdf: return pdf;
    case PictureFormat::Bitmap: break;
    }
    return bitmapPicture();
}

std::optional<PictureFormat> vectorFormatOfName(const QString &fileName)
{
    for (PictureFormat f : {PictureFormat::Svg, PictureFormat::Pdf})
        if (fileName.endsWith(pictureFileKind(f).extension, Qt::CaseInsensitive))
            return f;
    return std::nullopt;
}

QString pictureFileName(const QString &chosen, const PictureFileKind &kind)
{
    if (chosen.endsWith(kind.extension, Qt::CaseSensitive))
        return chosen;
    return chosen + kind.extension;
}

bool savePicture(Interaction &user, const PictureFileKind &kind, const PictureWriter &write)
{
    const auto chosen =
        user.prompts().saveFile(QStringLiteral("Save Picture"), kind.filter,
                                QDir::current().filePath(QStringLiteral("Picture")));
    if (!chosen || chosen->isEmpty())
        return false;
    const QString name = pictureFileName(*chosen, kind);
    // The dialog asked about the name the user chose; with the extension
    // added another file is written, so ask about that one too.
    if (name != *chosen && QFileInfo::exists(name)) {
        const PromptAnswer a = user.prompts().message(
            QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(name)),
            kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo);
        if (a != PromptAnswer::Yes)
            return false;
    }
    if (const auto reason = write(name)) {
        user.reportError(kind.failureText + QLatin1Char(' ') + *reason, true);
        return false;
    }
    return true;
}
