// Build tool: draws the program's SVG icons at the sizes the main window shows
// them at start and writes their pixels as a C++ table (src/ui/IconPicture.h),
// so that the program copies pixels there instead of reading and drawing the
// pictures. It draws with the program's own drawIconPicture, so the pixels are
// the ones the program would draw. An icon that draws text is left out: its
// letters must come from the fonts of the machine the program runs on.
//   kel2d_icon_pixels OUTPUT SIZES FILE... [SIZES FILE...]...
// SIZES is a list of square sizes in pixels ("18,36") for the files after it.
#include "ui/IconPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

namespace {

bool drawsText(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("<text");
}

void writePixels(QTextStream &out, int index, const QImage &image)
{
    out << "const quint32 kPixels" << index << "[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        out << "\n   ";
        for (int x = 0; x < image.width(); ++x)
            out << " 0x" << QString::number(row[x], 16).rightJustified(8, QLatin1Char('0')) << ',';
    }
    out << "\n};\n";
}

struct Entry {
    QString resource;
    QImage image;
};

// The pictures the arguments name; false, with a message, when one cannot be
// drawn.
bool drawAll(const QStringList &args, QList<Entry> &entries)
{
    static const QRegularExpression sizeList(QStringLiteral("^[0-9]+(,[0-9]+)*$"));
    QList<int> sizes;
    for (const QString &arg : args) {
        if (sizeList.match(arg).hasMatch()) {
            sizes.clear();
            for (const QString &size : arg.split(QLatin1Char(',')))
                sizes << size.toInt();
            continue;
        }
        if (drawsText(arg))
            continue;
        for (int size : sizes) {
            const QImage image = drawIconPicture(arg, QSize(size, size));
            if (image.isNull()) {
                std::fprintf(stderr, "kel2d_icon_pixels: cannot draw %s\n", qPrintable(arg));
                return false;
            }
            entries.append({QStringLiteral(":/icons/") + QFileInfo(arg).fileName(), image});
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QList<Entry> entries;
    if (args.size() < 2 || !drawAll(args.mid(1), entries) || entries.isEmpty())
        return 1;

    QSaveFile file(args.first());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream out(&file);
    out << "// Written by kel2d_icon_pixels from the program's SVG icons.\n"
           "#include \"ui/IconPicture.h\"\n\nnamespace {\n";
    for (int i = 0; i < entries.size(); ++i)
        writePixels(out, i, entries[i].image);
    out << "} // namespace\n\nconst BuiltIconPixels kBuiltIconPixels[] = {\n";
    for (int i = 0; i < entries.size(); ++i)
        out << "    {\"" << entries[i].resource << "\", " << entries[i].image.width() << ", "
            << entries[i].image.height() << ", kPixels" << i << "},\n";
    out << "};\nconst int kBuiltIconPixelsCount = " << entries.size() << ";\n";
    out.flush();
    return file.commit() ? 0 : 1;
}
