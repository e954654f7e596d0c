#include "aboutdialog.h"

#include "assets.h"
#include "twips.h"
#include "version.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int clientWidth = 5730;
constexpr int clientHeight = 2250;
constexpr QRect okRect = twips::rect(4320, 1800, 1260, 345);
constexpr QRect iconRect[2] = {twips::rect(240, 240, 480, 480), twips::rect(240, 720, 480, 480)};
constexpr QRect descriptionRect = twips::rect(1050, 1125, 3885, 450);
constexpr QRect disclaimerRect = twips::rect(240, 1800, 3870, 465);
constexpr QRect titleRect = twips::rect(1050, 240, 3885, 480);
constexpr QRect versionRect = twips::rect(1050, 780, 3885, 225);
constexpr int iconPixels = 32;

// The etched separator: a white line painted over a grey one.
struct Separator
{
    QPoint from;
    QPoint to;
    QColor colour;
    int width;
};
const Separator separators[2] = {
    {twips::point(120, 1680), twips::point(5684, 1680), QColor(128, 128, 128), 1},
    {twips::point(105, 1680), twips::point(5654, 1680), QColor(255, 255, 255), 2},
};

constexpr char credit[] = "Designed and programmed by the Quandrel authors";

// A left-aligned, word-wrapping, opaque label whose text takes the palette role `ink`
// (black for WindowText, the system's button-text colour for ButtonText).
QLabel *makeLabel(const QString &text, const QRect &geometry, QPalette::ColorRole ink,
                  QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     ink == QPalette::ButtonText ? palette.color(ink) : QColor(Qt::black));
    label->setPalette(palette);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    // A tool window has no task-bar button; the hints leave only the title and close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Still counts as an open window, so the program runs on while it is open.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(twips::px(clientWidth), twips::px(clientHeight));
    setGeometry(QRect(screenPosition, size()));

    // Made in tab order.
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(okRect);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    // The icon column holds picIcon(0) above picIcon(1); the labels stand between them
    // in the tab order.
    const auto makeIcon = [this](int index, const QIcon &icon, const QString &name) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("picIcon%1").arg(index));
        picture->setGeometry(iconRect[index]);
        picture->setPixmap(icon.pixmap(QSize(iconPixels, iconPixels), devicePixelRatioF()));
        picture->setAccessibleName(name);
    };
    makeIcon(0, assets::programIcon(), QStringLiteral("Program icon"));
    m_descriptionLabel =
        makeLabel(QString::fromLatin1(credit), descriptionRect, QPalette::WindowText, this);
    m_descriptionLabel->setObjectName(QStringLiteral("lblDescription"));
    m_disclaimerLabel = makeLabel(QString(), disclaimerRect, QPalette::WindowText, this);
    m_disclaimerLabel->setObjectName(QStringLiteral("lblDisclaimer"));
    m_titleLabel = makeLabel(QString(), titleRect, QPalette::WindowText, this);
    m_titleLabel->setObjectName(QStringLiteral("lblTitle"));
    m_versionLabel = makeLabel(QString(), versionRect, QPalette::ButtonText, this);
    m_versionLabel->setObjectName(QStringLiteral("lblVersion"));
    makeIcon(1, assets::outlineIcon(), QStringLiteral("Die icon"));

    load();
    m_okButton->setFocus();
}

QString AboutDialog::versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void AboutDialog::load()
{
    const QString title = QString::fromLatin1(quandrel::applicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    m_versionLabel->setText(
        versionText(quandrel::versionMajor, quandrel::versionMinor, quandrel::versionRevision));
    m_titleLabel->setText(title);
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Separator &line : separators) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::FlatCap));
        // A pen of width w covers w rows starting at the line's y.
        const qreal y = line.from.y() + line.width / 2.0;
        painter.drawLine(QPointF(line.from.x(), y), QPointF(line.to.x(), y));
    }
}
