// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// Contrast and the program's style on coloured palettes as well as greys, in every colour
// group: a window that is active, one that is not, and disabled controls.
#include "app/programstyle.h"
#include "ui/palette.h"

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(QPalette::ColorGroup)

namespace {

// A palette with the same colours in every group: window, window text, the fields' base and
// the buttons' face.
QPalette paletteOf(const QString &window, const QString &text, const QString &base,
                   const QString &button)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(window));
    palette.setColor(QPalette::WindowText, QColor(text));
    palette.setColor(QPalette::Base, QColor(base));
    palette.setColor(QPalette::Button, QColor(button));
    palette.setColor(QPalette::ButtonText, QColor(text));
    palette.setColor(QPalette::Text, QColor(text));
    return palette;
}

enum class Control
{
    Button,
    TextBox,
    ComboBox,
};

// `control` as `style` draws it in `group` of `palette`, over the window colour.
QImage drawn(const QStyle &style, Control control, QPalette palette, QPalette::ColorGroup group)
{
    palette.setCurrentColorGroup(group);
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(palette.color(group, QPalette::Window));
    QPainter painter(&image);
    const auto setUp = [&](QStyleOption &option) {
        option.rect = image.rect().adjusted(4, 4, -4, -4);
        option.palette = palette;
        option.state = QStyle::State_None;
        if (group != QPalette::Disabled)
            option.state |= QStyle::State_Enabled;
        if (group == QPalette::Active)
            option.state |= QStyle::State_Active;
    };
    switch (control) {
    case Control::Button: {
        QStyleOptionButton option;
        setUp(option);
        style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);
        break;
    }
    case Control::TextBox: {
        QStyleOptionFrame option;
        setUp(option);
        option.lineWidth = 1;
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter);
        break;
    }
    case Control::ComboBox: {
        QStyleOptionComboBox option;
        setUp(option);
        option.editable = true;
        option.subControls = QStyle::SC_All;
        style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter);
        break;
    }
    }
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Control)

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void contrastRatios_data();
    void contrastRatios();
    void outlinesInEveryGroup_data();
    void outlinesInEveryGroup();
};

void TestStyle::contrastRatios_data()
{
    // WCAG contrast ratios, each weighing one channel most: a wrong weight for red, green or
    // blue shows in its row.
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<double>("ratio");
    // clang-format off
    QTest::newRow("white on black") << "#ffffff" << "#000000" << 21.0;
    QTest::newRow("navy on black") << "#000080" << "#000000" << 1.3117;
    QTest::newRow("dark green on black") << "#006400" << "#000000" << 2.8229;
    QTest::newRow("dark red on black") << "#8b0000" << "#000000" << 2.0978;
    QTest::newRow("yellow on blue") << "#ffff00" << "#0000ff" << 8.0016;
    QTest::newRow("the same both ways") << "#000000" << "#0000ff" << 2.444;
    QTest::newRow("grey just below AA on white") << "#777777" << "#ffffff" << 4.4781;
    // clang-format on
}

void TestStyle::contrastRatios()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(contrast(QColor(a), QColor(b)) - ratio) < 0.0005,
             qPrintable(QString::number(contrast(QColor(a), QColor(b)), 'f', 4)));
}

void TestStyle::outlinesInEveryGroup_data()
{
    // Palettes by window, text, field and button colour, and whether their controls blend
    // into the window. Where they do, every control keeps an outline at least 3:1 against
    // the window in every colour group; elsewhere the program's style draws what Fusion draws.
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("blendIn");
    QTest::addColumn<Control>("control");
    QTest::addColumn<QPalette::ColorGroup>("group");
    const struct
    {
        const char *name;
        QPalette palette;
        bool blendIn;
    } palettes[] = {
        // clang-format off
        {"light grey", paletteOf("#efefef", "#000000", "#ffffff", "#efefef"), false},
        {"high contrast black", paletteOf("#000000", "#ffffff", "#000000", "#000000"), true},
        {"navy with black fields", paletteOf("#000080", "#ffffff", "#000000", "#000080"), true},
        {"dark green with black fields", paletteOf("#006400", "#ffffff", "#000000", "#006400"), false},
        {"dark red with black fields", paletteOf("#8b0000", "#ffffff", "#000000", "#8b0000"), false},
        {"yellow on blue", paletteOf("#0000ff", "#ffff00", "#0000ff", "#0000ff"), true},
        // clang-format on
    };
    const struct
    {
        const char *name;
        Control control;
    } controls[] = {{"button", Control::Button},
                    {"text box", Control::TextBox},
                    {"combo box", Control::ComboBox}};
    const struct
    {
        const char *name;
        QPalette::ColorGroup group;
    } groups[] = {{"active", QPalette::Active},
                  {"inactive", QPalette::Inactive},
                  {"disabled", QPalette::Disabled}};
    for (const auto &p : palettes)
        for (const auto &c : controls)
            for (const auto &g : groups)
                QTest::addRow("%s, %s, %s", p.name, c.name, g.name)
                    << p.palette << p.blendIn << c.control << g.group;
}

void TestStyle::outlinesInEveryGroup()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, blendIn);
    QFETCH(Control, control);
    QFETCH(QPalette::ColorGroup, group);
    QCOMPARE(controlsBlendIn(palette), blendIn);
    const ProgramStyle style;
    const QImage image = drawn(style, control, palette, group);
    if (!blendIn) {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(image, drawn(*fusion, control, palette, group));
        return;
    }
    const QColor window = palette.color(group, QPalette::Window);
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, contrast(QColor(image.pixel(x, y)), window));
    QVERIFY2(strongest >= 3.0, qPrintable(QString::number(strongest)));
}

QTEST_MAIN(TestStyle)
#include "tst_style.moc"
