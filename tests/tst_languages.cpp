// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program in other languages: every text a user sees or hears goes through Qt's
// translation system; the catalogues load for the user's languages; the count box keeps its
// rules, and every text fits its control, in any language.
#include "about/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "support/scriptedsource.h"
#include "support/widgettest.h"
#include "translations/translations.h"

#include <QComboBox>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTranslator>

namespace {

// A catalogue that marks every text it is asked for: "⟦Roll All⟧".
class Marking final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u'⟦' + QString::fromUtf8(source) + u'⟧';
    }
};

// Whether `text` passed through the marking catalogue: marked, or made of marked pieces, with
// no more than numbers and the program's name between them.
bool translated(const QString &text)
{
    static const QRegularExpression marked(QStringLiteral("⟦[^⟦⟧]*⟧"));
    QString rest = text;
    for (qsizetype before = -1; before != rest.size();) {
        before = rest.size();
        rest.remove(marked);
    }
    static const QRegularExpression neutral(
        QStringLiteral("^[0-9%.,:; ]*(Quandrel)?[0-9%.,:; ]*$"));
    return text.contains(u'⟦') && neutral.match(rest).hasMatch();
}

// The room a control gives its text, in device-independent pixels: a push button's inside its
// bevel and margins; a text box's, or a combo box's field, inside its frame and margins; a
// label's all of it.
int room(const QWidget *control)
{
    const QStyle *style = control->style();
    if (auto *edit = qobject_cast<const QLineEdit *>(control)) {
        constexpr int lineEditMargin = 2; // on either side of a line edit's text
        const QRect inside = edit->contentsRect().marginsRemoved(edit->textMargins());
        return inside.width() - 2 * lineEditMargin -
               (edit->hasFrame() ? 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0);
    }
    if (qobject_cast<const QPushButton *>(control))
        return control->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin) -
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return control->width();
}

// The lines `text` takes, wrapped at word boundaries into `width` in `font`, as a label wraps
// it; and whether one of them ends inside a word: not after a space, or after the hyphen of
// a compound. Between two ideographs, where a line may end anywhere, is between words.
std::pair<QStringList, bool> wrapped(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    QStringList lines;
    bool insideWord = false;
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << text.mid(line.textStart(), line.textLength());
        if (i == 0)
            continue;
        const QChar before = text.at(line.textStart() - 1);
        words.setPosition(line.textStart());
        insideWord |= !before.isSpace() &&
                      (!words.isAtBoundary() || before.category() == QChar::Punctuation_Dash);
    }
    return {lines, insideWord};
}

// Whether some character of `text` in `font` finds no glyph in any font installed, and would
// be drawn as an empty box.
bool missesGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            return true;
    return false;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void cleanup()
    {
        flushDeletes();
        installTranslations();
    }

    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void cataloguesLoad_data();
    void cataloguesLoad();
    void pluralForms_data();
    void pluralForms();
    void countBoxMenuInGerman();
    void textsFit_data();
    void textsFit();
};

void TestLanguages::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "Main";
    QTest::newRow("stat roller") << "CharStat";
    QTest::newRow("multiple roller") << "ADDice";
    QTest::newRow("about") << "About";
}

void TestLanguages::everyTextIsTranslated()
{
    // Under a catalogue that marks every text, every caption, title, starting text, accessible
    // name and description, and every spoken result, is marked; only numbers and the
    // program's name are the same in every language.
    QFETCH(QString, window);
    Marking marking;
    QCoreApplication::installTranslator(&marking);
    ScriptedSource source;
    MainWindow main(source);
    main.show();
    QWidget *top = openWindow(main, window);
    QVERIFY(top);
    QStringList texts;
    if (window != QLatin1String("Main")) // the main window's title is the program's name
        texts << top->windowTitle();
    for (QWidget *w : top->findChildren<QWidget *>()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        const bool number = caption(w).contains(QRegularExpression(QStringLiteral("^[0-9%]+$")));
        if (!caption(w).isEmpty() && !number && w->objectName() != QLatin1String("lblTitle"))
            texts << caption(w);
        if (iface && w->isVisible() && iface->role() != QAccessible::Notification) {
            for (const auto which : {QAccessible::Name, QAccessible::Description})
                if (const QString text = iface->text(which); !text.isEmpty() && text != caption(w))
                    texts << text;
        }
    }
    if (auto *box = top->findChild<QComboBox *>())
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    // What a roll in the window says.
    const Announcements announcements;
    if (auto *multi = qobject_cast<MultiRollerWindow *>(top)) {
        multi->dieBox()->setCurrentIndex(1);
        multi->countBox()->setText(QStringLiteral("2"));
        multi->roll();
        multi->countBox()->setText(QStringLiteral("x"));
        multi->roll();
        multi->dieBox()->setCurrentIndex(-1);
        multi->roll();
        QTest::keyClicks(multi->countBox(), QStringLiteral("1234"));
    } else if (auto *stats = qobject_cast<StatRollerWindow *>(top)) {
        stats->reRoll(0);
        stats->rollAll();
    } else if (auto *mainWindow = qobject_cast<MainWindow *>(top)) {
        mainWindow->dieButton(0)->setFocus();
        QTest::keyClick(mainWindow->dieButton(0), Qt::Key_Space);
        mainWindow->rollAll();
    }
    texts << announcements.heard;
    for (const QString &text : texts)
        QVERIFY2(translated(text), qPrintable(text));
    QCoreApplication::removeTranslator(&marking);
    closeWindowsBut(&main);
}

void TestLanguages::cataloguesLoad_data()
{
    // A language; then the Roll All caption and the multiple roller's starting count in the
    // language the program then speaks: that one where it has a catalogue, else English. The
    // starting count counts as none, a total is in ASCII digits whatever digits it sums, and
    // the windows are laid out left to right.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("rollAll");
    QTest::addColumn<QString>("startingCount");
    // clang-format off
    QTest::newRow("German") << "de" << "Alle würfeln" << "Anzahl";
    QTest::newRow("Austrian German") << "de-AT" << "Alle würfeln" << "Anzahl";
    QTest::newRow("French") << "fr" << "Tout lancer" << "Nombre";
    QTest::newRow("Spanish") << "es" << "Tirar todos" << "Tiradas";
    QTest::newRow("Italian") << "it" << "Tira tutti" << "N. tiri";
    QTest::newRow("Brazilian Portuguese") << "pt-BR" << "Rolar todos" << "Rolagens";
    QTest::newRow("Polish") << "pl" << "Rzuć wszystkimi" << "Liczba";
    QTest::newRow("Dutch") << "nl" << "Alles gooien" << "Aantal";
    QTest::newRow("Czech") << "cs" << "Hodit všemi" << "Počet";
    QTest::newRow("Russian") << "ru" << "Бросить все" << "Кол-во";
    QTest::newRow("Ukrainian") << "uk" << "Кинути всі" << "К-сть";
    QTest::newRow("Japanese") << "ja" << "全部振る" << "回数";
    QTest::newRow("Simplified Chinese") << "zh-CN" << "全部掷出" << "次数";
    QTest::newRow("Arabic, right to left, which the program does not speak: English") << "ar" << "Roll All" << "# of Rolls";
    QTest::newRow("English") << "en-GB" << "Roll All" << "# of Rolls";
    // clang-format on
}

void TestLanguages::cataloguesLoad()
{
    QFETCH(QString, language);
    QFETCH(QString, rollAll);
    QFETCH(QString, startingCount);
    installTranslations(QLocale(language));
    ScriptedSource source;
    MainWindow main(source);
    MultiRollerWindow multi(source);
    QCOMPARE(child<QPushButton>(main, "RA")->text(), rollAll);
    QCOMPARE(multi.countBox()->text(), startingCount);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    multi.dieBox()->setCurrentIndex(1);
    multi.roll();
    QCOMPARE(multi.countBox()->text(), QStringLiteral("0"));
    multi.countBox()->setText(QStringLiteral("١٢"));
    multi.roll();
    QVERIFY2(
        QRegularExpression(QStringLiteral("^[0-9]+$")).match(multi.totalLabel()->text()).hasMatch(),
        qPrintable(multi.totalLabel()->text()));
}

void TestLanguages::pluralForms_data()
{
    // A language, a count of six-sided dice, each showing 4, and the total heard: the noun in
    // the plural form that count takes.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("heard");
    // clang-format off
    QTest::newRow("German, none: the starting text") << "de" << "Anzahl" << "0 W6: Summe 0";
    QTest::newRow("German, 3 in Arabic-Indic digits") << "de" << "٣" << "3 W6: Summe 12";
    QTest::newRow("Russian, 1") << "ru" << "1" << "1 кубик к6: сумма 4";
    QTest::newRow("Russian, 3") << "ru" << "3" << "3 кубика к6: сумма 12";
    QTest::newRow("Russian, 11") << "ru" << "11" << "11 кубиков к6: сумма 44";
    QTest::newRow("Russian, 22") << "ru" << "22" << "22 кубика к6: сумма 88";
    QTest::newRow("Russian, 25") << "ru" << "25" << "25 кубиков к6: сумма 100";
    QTest::newRow("Ukrainian, 21") << "uk" << "21" << "21 кубик к6: сума 84";
    QTest::newRow("Ukrainian, 4") << "uk" << "4" << "4 кубики к6: сума 16";
    QTest::newRow("Ukrainian, 12") << "uk" << "12" << "12 кубиків к6: сума 48";
    QTest::newRow("Czech, 1") << "cs" << "1" << "1 kostka k6: součet 4";
    QTest::newRow("Czech, 4") << "cs" << "4" << "4 kostky k6: součet 16";
    QTest::newRow("Czech, 22") << "cs" << "22" << "22 kostek k6: součet 88";
    QTest::newRow("Dutch, 1") << "nl" << "1" << "1 d6: totaal 4";
    QTest::newRow("Japanese, 3") << "ja" << "3" << "3D6：合計 12";
    QTest::newRow("Simplified Chinese, 3") << "zh-CN" << "3" << "3d6：总计 12";
    // clang-format on
}

void TestLanguages::pluralForms()
{
    QFETCH(QString, language);
    QFETCH(QString, count);
    QFETCH(QString, heard);
    installTranslations(QLocale(language));
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Announcements announcements;
    window.dieBox()->setCurrentIndex(1);
    window.countBox()->setText(count);
    window.roll();
    QCOMPARE(announcements.heard, QStringList{heard});
}

void TestLanguages::countBoxMenuInGerman()
{
    // The count box's menu, in Qt's own German, undoes the box's own edits.
    installTranslations(QLocale(QLocale::German));
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.countBox(), Qt::Key_3);
    QMenu *menu = openContextMenu(window.countBox());
    QVERIFY(menu);
    QAction *undo = menu->actions().value(0);
    QVERIFY(undo);
    QCOMPARE(undo->text().section('\t', 0, 0), QStringLiteral("&Rückgängig"));
    QVERIFY(undo->isEnabled());
    undo->trigger();
    menu->close();
    QCOMPARE(window.countBox()->text(), QStringLiteral("Anzahl"));
}

void TestLanguages::textsFit_data()
{
    // Every caption and starting text of every window, in every language: the texts of each
    // window's controls and the die kinds of the multiple roller's list.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    for (const QString &language : QStringLiteral(QUANDREL_LANGUAGES).split(u' ')) {
        installTranslations(QLocale(language));
        ScriptedSource source;
        MainWindow main(source);
        main.show();
        for (const char *window : {"Main", "CharStat", "ADDice", "About"}) {
            const QWidget *top = openWindow(main, window);
            // The window's own controls, by name, as shown: not a control's inner parts.
            for (const QWidget *w : top->findChildren<QWidget *>())
                if (!w->objectName().isEmpty() && w->isVisibleTo(top) &&
                    (!caption(w).isEmpty() || qobject_cast<const QComboBox *>(w)))
                    QTest::addRow("%s, %s, %s", qPrintable(language), window,
                                  qPrintable(w->objectName()))
                        << language << window << w->objectName();
        }
        closeWindowsBut(&main);
    }
    installTranslations();
}

void TestLanguages::textsFit()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, control);
    installTranslations(QLocale(language));
    ScriptedSource source;
    MainWindow main(source);
    main.show();
    QWidget *shown = openWindow(main, window);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // Each text against its room: a label that wraps may take as many lines as its height
    // holds, each ending between words; any other text one line. Every character has a glyph.
    QList<std::pair<QString, const QWidget *>> texts;
    auto *w = shown->findChild<QWidget *>(control);
    QVERIFY(w);
    if (auto *box = qobject_cast<QComboBox *>(w)) {
        texts.append({box->currentText(), box->lineEdit()});
        for (int i = 0; i < box->count(); ++i)
            texts.append({box->itemText(i), box->lineEdit()});
    } else {
        texts.append({caption(w), w});
    }
    for (const auto &[text, where] : texts) {
        QVERIFY2(!missesGlyphs(text, where->font()), qPrintable(text));
        const QFontMetrics metrics(where->font());
        if (auto *label = qobject_cast<const QLabel *>(where); label && label->wordWrap()) {
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
            const auto [lines, insideWord] = wrapped(text, where->font(), label->width());
            QVERIFY2(
                needed.width() <= label->width() && needed.height() <= label->height() &&
                    !insideWord,
                qPrintable(QStringLiteral("\"%1\" takes %2 x %3 of %4 x %5%6")
                               .arg(lines.join(QStringLiteral("\" / \"")))
                               .arg(needed.width())
                               .arg(needed.height())
                               .arg(label->width())
                               .arg(label->height())
                               .arg(insideWord ? QStringLiteral(", a word broken") : QString())));
        } else {
            const int width = metrics.horizontalAdvance(text);
            QVERIFY2(
                width <= room(where),
                qPrintable(
                    QStringLiteral("\"%1\" takes %2 of %3").arg(text).arg(width).arg(room(where))));
        }
    }
    closeWindowsBut(&main);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
