// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "about/aboutdialog.h"

#include "about/placement.h"
#include "ui/assets.h"
#include "ui/devicepixels.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/twips.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>


namespace {

constexpr int clientWidth = 5730;
constexpr int clientHeight = 2250;
constexpr QRect okRect = twips::rect(4320, 1800, 1260, 345);
constexpr QRect iconRect[AboutDialog::iconCount] = {twips::rect(240, 240, 480, 480),
                                                    twips::rect(240, 720, 480, 480)};
constexpr QRect descriptionRect = twips::rect(1050, 1125, 3885, 450);
constexpr QRect disclaimerRect = twips::rect(240, 1800, 3870, 465);
constexpr QRect titleRect = twips::rect(1050, 240, 3885, 480);
constexpr QRect versionRect = twips::rect(1050, 780, 3885, 225);
constexpr int iconPixels = 32;

// The etched separator: a light line painted over a darker one. On a light palette they
// are white over grey; on a dark one the palette's light and mid shades.
struct Separator
{
    QPoint from;
    QPoint to;
    int width;
};
constexpr int separatorCount = 2;
const Separator separators[separatorCount] = {
    {twips::point(120, 1680), twips::point(5684, 1680), 1}, // the darker line
    {twips::point(105, 1680), twips::point(5654, 1680), 2}, // the light line, on top
};

// The darker separator's colour on a light palette.
const QColor designGrey(128, 128, 128);

// A left-aligned, word-wrapping, opaque label.
QLabel *makeLabel(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

void setInk(QLabel *label, const QColor &ink)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setFont(fonts::windowDefault());
    setUpFrame();
    makeControls();
    applyPalette();
    fillTexts();
    fonts::pinToControls(this);
    m_okButton->setFocus();
}

void AboutDialog::setUpFrame()
{
    const QSize client(twips::px(clientWidth), twips::px(clientHeight));
    // A plain top-level window with a title and a close box, not a dialog or tool window:
    // window managers keep those above the program's other windows and a tool window's
    // frame differs from theirs.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (onWayland()) {
        // Qt's own window frame on Wayland offers every window maximise, and a compositor
        // may give any window the size of the screen, which a fixed-size surface cannot
        // take. So there only the smallest size is fixed, and the controls keep to the top
        // left of whatever size the window is given. The compositor chooses where it opens.
        setMinimumSize(client);
        resize(client);
        m_placed = true;
    } else {
        setFixedSize(client);
        // Until the window manager frames the window, its frame counts as nothing.
        const QScreen *screen = QGuiApplication::screenAt(screenPosition);
        setGeometry(placedWithin(QRect(screenPosition, client),
                                 (screen ? screen : this->screen())->availableGeometry()));
        // No task-bar or pager entry of its own, as the main window's secondary window.
        create();
        addWindowState(windowHandle(), "_NET_WM_STATE_SKIP_TASKBAR");
        addWindowState(windowHandle(), "_NET_WM_STATE_SKIP_PAGER");
    }
    // Still counts as an open window, so the program runs on while it is open.
    setAttribute(Qt::WA_QuitOnClose, true);
}

void AboutDialog::makeControls()
{
    // Made in tab order.
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(okRect);
    m_okButton->setAccessibleDescription(tr("closes the About window"));
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    // The icon column holds picIcon(0) above picIcon(1); the labels stand between them
    // in the tab order.
    const auto icon = [this](int index, const QString &name, const QString &description) {
        m_icons[index] = new QLabel(this);
        m_icons[index]->setObjectName(QStringLiteral("picIcon%1").arg(index));
        m_icons[index]->setGeometry(iconRect[index]);
        m_icons[index]->setAccessibleName(name);
        m_icons[index]->setAccessibleDescription(description);
    };
    const auto label = [this](const char *name, const QString &text, const QRect &geometry,
                              const QString &description) {
        QLabel *made = makeLabel(text, geometry, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAccessibleDescription(description);
        return made;
    };
    icon(0, tr("Program icon"), tr("a red die with a yellow 7"));
    m_descriptionLabel =
        label("lblDescription", tr("Designed and programmed by the Quandrel authors"),
              descriptionRect, tr("credit"));
    m_disclaimerLabel = label("lblDisclaimer", QString(), disclaimerRect, tr("empty"));
    m_titleLabel = label("lblTitle", QString(), titleRect, tr("program"));
    m_versionLabel = label("lblVersion", QString(), versionRect, tr("version"));
    icon(1, tr("Die icon"), tr("the red die, its 7 outlined"));
}

void AboutDialog::fillTexts()
{
    // The program's identity as start-up gave it to the application.
    const QString title = QApplication::applicationName();
    setWindowTitle(tr("About %1").arg(title));
    m_versionLabel->setText(tr("Version %1").arg(QApplication::applicationVersion()));
    m_titleLabel->setText(title);
    // Screen readers read a dialog's labels of three words or more as it opens, not the
    // short title and version: the version label's name gives both.
    m_versionLabel->setAccessibleName(
        tr("%1 %2", "the program's title, then its version").arg(title, m_versionLabel->text()));
}

void AboutDialog::applyPalette()
{
    const QPalette &colours = palette();
    const bool dark = isDark(colours);
    const QColor text = dark ? colours.color(QPalette::WindowText) : QColor(Qt::black);
    for (QLabel *label : {m_descriptionLabel, m_disclaimerLabel, m_titleLabel})
        setInk(label, text);
    setInk(m_versionLabel, colours.color(QPalette::ButtonText));

    // On a dark face the red dice get a rim in the text colour, so their outline shows.
    const QIcon icons[iconCount] = {assets::programIcon(), assets::outlineIcon()};
    for (int i = 0; i < iconCount; ++i) {
        const QPixmap pixmap = icons[i].pixmap(QSize(iconPixels, iconPixels), devicePixelRatioF());
        m_icons[i]->setPixmap(dark ? assets::withRim(pixmap, colours.color(QPalette::WindowText))
                                   : pixmap);
    }
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QDialog::changeEvent(event);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once the window manager has framed the window and it is first exposed, its frame is
    // known: then the window is placed once more, with it. Never after that, so that
    // wherever the user moves the window, it stays.
    if (!m_placed && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_placed &&
        windowHandle()->isExposed()) {
        m_placed = true;
        windowHandle()->removeEventFilter(this);
        placeOnScreen(windowHandle(), screenPosition);
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    const bool dark = isDark(palette());
    const QColor colours[separatorCount] = {dark ? palette().color(QPalette::Mid) : designGrey,
                                            dark ? palette().color(QPalette::Light)
                                                 : QColor(Qt::white)};
    // In device pixels, so that the lines stay sharp at any scale.
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    for (int i = 0; i < separatorCount; ++i) {
        const Separator &line = separators[i];
        const QRect span = devicepixels::rect(
            QRect(line.from, QPoint(line.to.x() - 1, line.from.y())), ratio);
        painter.fillRect(QRect(span.left(), span.top(), span.width(),
                               devicepixels::lineWidth(line.width, ratio)),
                         colours[i]);
    }
}
