// Model text parsed from bytes in memory (the benchmark, the fuzzer) must read
// exactly as the same bytes from a device (the file commands).
#include "core/Fixtures.h"
#include "files/ModelFileFormat.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct Parsed {
    Model model;
    Settings settings;
    ViewTransform view;
    std::optional<kelfile::ParseFailure> failure;

    auto failureOf() const
    {
        return failure ? std::optional(std::pair(failure->headerMismatch, failure->description))
                       : std::nullopt;
    }
};

// Whether both read the text, after checking that they read it alike.
bool expectSameReading(const QByteArray &text)
{
    auto device = std::make_unique<Parsed>(), bytes = std::make_unique<Parsed>();
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    device->failure =
        kelfile::parseModelFile(buffer, device->model, device->settings, device->view);
    bytes->failure =
        kelfile::parseModelFile(QByteArrayView(text), bytes->model, bytes->settings, bytes->view);
    EXPECT_EQ(bytes->failureOf(), device->failureOf());
    EXPECT_TRUE(bytes->model.sameData(device->model));
    EXPECT_EQ(std::tuple(bytes->settings, bytes->view.scale, bytes->view.offsetX),
              std::tuple(device->settings, device->view.scale, device->view.offsetX));
    return !device->failure;
}

TEST(ModelFileBytes, ReadLikeTheSameBytesFromADevice)
{
    Model m;
    truss::apex(m);
    truss::spring(m, 3, 0, 1.5e6f);
    const QByteArray text = kelfile::modelFileBytes(m, Settings{}, ViewTransform{});
    auto withLine = [&](const QByteArray &line) {
        QList<QByteArray> lines = text.split('\n');
        lines[10] = line + '\r'; // the first group's E
        return lines.join('\n');
    };
    const int longest = kelfile::kMaxLineLength;
    const struct {
        const char *what;
        QByteArray text;
        bool read;
    } rows[] = {
        // clang-format off
        {"as written", text, true},
        {"a line one byte too long", withLine(QByteArray(longest, '0') + '5'), false},
        {"a NUL inside a number", withLine(QByteArray("12\0" "5", 4)), false},
        // clang-format on
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(expectSameReading(row.text), row.read);
    }
    // Every way a file can end early.
    for (qsizetype cut = 0; cut < text.size(); ++cut) {
        SCOPED_TRACE(cut);
        expectSameReading(text.first(cut));
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace
