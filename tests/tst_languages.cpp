// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// The program in other languages: every text a user sees or hears goes through Qt's
// translation system; the catalogues load for the user's languages; the count box keeps its
// rules in any language.
#include "about/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "support/scriptedsource.h"
#include "support/widgettest.h"
#include "translations/translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
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
    void countBoxInGerman();
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
    const char *opens[][2] = {{"CharStat", "CharShow"}, {"ADDice", "AdShow"}, {"About", "AbShow"}};
    for (const auto &[shown, button] : opens)
        if (window == QLatin1String(shown))
            QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
    QWidget *top = shownWindow(qPrintable(window));
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

void TestLanguages::countBoxInGerman()
{
    // The starting text in German counts as none; digits of any script count as their
    // value; the count box's menu, in Qt's own German, undoes the box's own edits.
    installTranslations(QLocale(QLocale::German));
    ScriptedSource source;
    MultiRollerWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Announcements announcements;
    window.dieBox()->setCurrentIndex(1);
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(window.countBox()->text(), QStringLiteral("0"));
    QCOMPARE(window.totalLabel()->text(), QStringLiteral("0"));
    QLineEdit *box = window.countBox();
    box->setFocus();
    box->selectAll();
    commitText(box, QStringLiteral("٣"));
    QTest::mouseClick(window.rollButton(), Qt::LeftButton);
    QCOMPARE(source.taken(), 3u);
    QCOMPARE(announcements.heard, (QStringList{"0 W6: Summe 0", "3 W6: Summe 12"}));

    QMenu *menu = openContextMenu(box);
    QVERIFY(menu);
    QAction *undo = menu->actions().value(0);
    QVERIFY(undo);
    QCOMPARE(undo->text().section('\t', 0, 0), QStringLiteral("&Rückgängig"));
    QVERIFY(undo->isEnabled());
    undo->trigger();
    menu->close();
    QCOMPARE(box->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
