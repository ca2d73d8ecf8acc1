// The model text parsed from bytes in memory must read exactly as the same
// bytes read from a device: the file commands use the device, the
// benchmark and the fuzzer the bytes.
#include "common/Settings.h"
#include "drawing/ViewTransform.h"
#include "files/ModelFileFormat.h"
#include "model/Model.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Parsed {
    Model model;
    Settings settings;
    ViewTransform view;
    std::optional<kelfile::ParseFailure> failure;
};

std::unique_ptr<Parsed> fromDevice(const QByteArray &text)
{
    auto p = std::make_unique<Parsed>();
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    p->failure = kelfile::parseModelFile(buffer, p->model, p->settings, p->view);
    return p;
}

std::unique_ptr<Parsed> fromBytes(const QByteArray &text)
{
    auto p = std::make_unique<Parsed>();
    p->failure = kelfile::parseModelFile(QByteArrayView(text), p->model, p->settings, p->view);
    return p;
}

// Whether both read the same; the outcome is returned for the callers that
// expect one.
bool expectSameReading(const QByteArray &text)
{
    const auto device = fromDevice(text);
    const auto bytes = fromBytes(text);
    EXPECT_EQ(bytes->failure.has_value(), device->failure.has_value());
    if (bytes->failure && device->failure) {
        EXPECT_EQ(bytes->failure->headerMismatch, device->failure->headerMismatch);
        EXPECT_EQ(bytes->failure->description.toStdString(),
                  device->failure->description.toStdString());
    }
    EXPECT_TRUE(bytes->model.sameData(device->model));
    EXPECT_EQ(bytes->settings, device->settings);
    EXPECT_EQ(bytes->view.scale, device->view.scale);
    EXPECT_EQ(bytes->view.offsetX, device->view.offsetX);
    EXPECT_EQ(bytes->view.offsetY, device->view.offsetY);
    return !device->failure;
}

QByteArray exampleText()
{
    Model m;
    m.groupCount = 2;
    m.groups[1] = {2.1e11, 0.0015};
    m.groups[2] = {7e10, 0.002};
    m.nodeCount = 3;
    m.nodes[1] = {0, 0, 1, 1, 0, 0};
    m.nodes[2] = {2, 0, 0, 1, 0, 0};
    m.nodes[3] = {1, 1.5f, 0, 0, 250, -1000};
    m.springs[3] = {0, 1.5e6f};
    m.elementCount = 3;
    m.elements[1] = {1, 2, 1};
    m.elements[2] = {1, 3, 2};
    m.elements[3] = {2, 3, 2};
    return kelfile::modelFileBytes(m, Settings{}, ViewTransform{});
}

TEST(ModelFileBytes, ReadLikeTheSameBytesFromADevice)
{
    const QByteArray text = exampleText();
    QByteArray lf = text;
    lf.replace("\r\n", "\n");
    QByteArray noLastLineEnd = text;
    noLastLineEnd.chop(2);
    auto withLine = [&](int number, const QByteArray &line) {
        QList<QByteArray> lines = text.split('\n');
        lines[number - 1] = line + '\r';
        return lines.join('\n');
    };
    const int longest = kelfile::kMaxLineLength;
    const struct {
        const char *what;
        QByteArray text;
        bool read;
    } rows[] = {
        {"as written", text, true},
        {"bare LF line ends", lf, true},
        {"no line end after the last line", noLastLineEnd, true},
        {"the longest line taken", withLine(11, QByteArray(longest - 1, '0') + '5'), true},
        {"a line one byte too long", withLine(11, QByteArray(longest, '0') + '5'), false},
        {"a line of 5000 bytes", withLine(11, QByteArray(5000, '1')), false},
        {"a line too long by its CR", withLine(11, QByteArray(longest + 1, '1')), false},
        {"CR without LF", QByteArray(text).replace("\r\n", "\r"), false},
        {"a NUL inside a number",
         withLine(11,
                  QByteArray("12\0"
                             "5",
                             4)),
         false},
        {"empty", QByteArray(), false},
        {"not a model file", QByteArray("hello\n"), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(expectSameReading(row.text), row.read);
    }
}

// Every way a file can end early: each cut of the text reads the same both
// ways.
TEST(ModelFileBytes, EveryTruncationReadsLikeTheDevice)
{
    const QByteArray text = exampleText();
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        SCOPED_TRACE(cut);
        expectSameReading(text.first(cut));
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace
