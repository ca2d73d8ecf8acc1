#include "ui/dialogs/frmXROMATA.h"

#include "drawing/gui/Colours.h"
#include "ui_frmXROMATA.h"

#include <QColorDialog>
#include <QPixmap>
#include <QToolButton>

namespace {

struct Classic {
    const char *name;
    int red, green, blue;
};

// The sixteen colours of the classic console palette, in its order.
const Classic kClassic[frmXROMATA::kClassicCount] = {
    {"Black", 0, 0, 0},       {"Navy", 0, 0, 128},       {"Green", 0, 128, 0},
    {"Teal", 0, 128, 128},    {"Maroon", 128, 0, 0},     {"Purple", 128, 0, 128},
    {"Olive", 128, 128, 0},   {"Silver", 192, 192, 192}, {"Gray", 128, 128, 128},
    {"Blue", 0, 0, 255},      {"Lime", 0, 255, 0},       {"Aqua", 0, 255, 255},
    {"Red", 255, 0, 0},       {"Fuchsia", 255, 0, 255},  {"Yellow", 255, 255, 0},
    {"White", 255, 255, 255},
};

constexpr int kBoxesPerRow = 8;
constexpr int kBoxSize = 22;

std::uint32_t valueOf(const QColor &c)
{
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8)
        | (static_cast<std::uint32_t>(c.blue()) << 16);
}

QPixmap filled(const QColor &colour, QSize size)
{
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

} // namespace

frmXROMATA::frmXROMATA(std::uint32_t start, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmXROMATA>()), m_selection(start)
{
    m_ui->setupUi(this);
    m_ui->currentSwatch->setAccessibleName(QStringLiteral("Current selection:"));
    buildClassicColours();
    select(start);
    connect(m_ui->spectrum, &ColourField::colourPicked, this, &frmXROMATA::selectColour);
    connect(m_ui->moreButton, &QPushButton::clicked, this, &frmXROMATA::chooseMore);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->okButton->setFocus();
}

frmXROMATA::~frmXROMATA() = default;

std::uint32_t frmXROMATA::classicColour(int index)
{
    const Classic &c = kClassic[index];
    return valueOf(QColor(c.red, c.green, c.blue));
}

QString frmXROMATA::classicName(int index) { return QString::fromLatin1(kClassic[index].name); }

void frmXROMATA::buildClassicColours()
{
    for (int i = 0; i < kClassicCount; ++i) {
        auto *box = new QToolButton(m_ui->classicColours);
        box->setObjectName(QStringLiteral("classic%1").arg(i));
        box->setIcon(filled(resolveColour(classicColour(i), palette()), {kBoxSize, kBoxSize}));
        box->setIconSize({kBoxSize, kBoxSize});
        box->setToolTip(classicName(i));
        box->setAccessibleName(classicName(i));
        m_ui->classicGrid->addWidget(box, i / kBoxesPerRow, i % kBoxesPerRow);
        connect(box, &QToolButton::clicked, this, [this, i] { select(classicColour(i)); });
    }
}

void frmXROMATA::select(std::uint32_t colour)
{
    m_selection = colour;
    const QColor shown = resolveColour(colour, palette());
    QPalette swatch = m_ui->currentSwatch->palette();
    swatch.setColor(QPalette::Window, shown);
    m_ui->currentSwatch->setPalette(swatch);
    m_ui->currentSwatch->setAutoFillBackground(true);
    m_ui->currentSwatch->setAccessibleDescription(shown.name());
}

void frmXROMATA::selectColour(const QColor &colour) { select(valueOf(colour)); }

void frmXROMATA::chooseMore()
{
    const QColor chosen = QColorDialog::getColor(resolveColour(m_selection, palette()), this);
    if (chosen.isValid())
        select(valueOf(chosen));
}
