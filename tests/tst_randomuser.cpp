// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers
//
// A seeded random user: thousands of clicks, keys, typed and pasted texts across all four
// windows, checking after every action what a user can see.
#include "about/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/picturebutton.h"
#include "multiroller/multirollerwindow.h"
#include "statroller/statrollerwindow.h"
#include "support/statboard.h"
#include "support/widgettest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <random>

namespace {

constexpr int actions = 20000;
constexpr unsigned userSeed = 20261207;
const QString typeable = QStringLiteral("0123456789.eE+- #,xX\t");

// Whether `text` is `full` with some characters deleted.
bool isSubsequence(const QString &text, const QString &full)
{
    int at = 0;
    for (QChar c : full)
        if (at < text.size() && text[at] == c)
            ++at;
    return at == text.size();
}

} // namespace

class TestRandomUser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgram(); }
    void twentyThousandActions();

private:
    void act();
    void checkWhatTheUserSees();
    QString randomText(int maxLength);
    void typeInto(QLineEdit *field);
    // Notes which rule the ten-sided die's caption follows, should `pressed` roll it.
    void noteMainPress(const QWidget *pressed);
    // Notes which rows of the stat roller `stats` are rolled, should `pressed` roll some.
    void noteStatsPress(StatRollerWindow *stats, const QWidget *pressed);

    std::mt19937 m_random{userSeed};
    MainWindow *m_main = nullptr;
    int m_action = 0;
    bool m_d10RolledAlone = false;         // its last roll was a click of its own, not Roll All
    QPointer<StatRollerWindow> m_rolledIn; // the stat roller whose rolled rows are noted
    std::array<bool, 6> m_rowRolled{};
};

QString TestRandomUser::randomText(int maxLength)
{
    const int length = std::uniform_int_distribution<int>(0, maxLength)(m_random);
    QString text;
    for (int i = 0; i < length; ++i)
        text += typeable[std::uniform_int_distribution<int>(0, int(typeable.size()) - 1)(m_random)];
    return text;
}

void TestRandomUser::typeInto(QLineEdit *field)
{
    field->setFocus();
    switch (m_random() % 4) {
    case 0:
        field->selectAll();
        break;
    case 1:
        field->end(false);
        break;
    case 2:
        field->home(false);
        break;
    default:
        field->setCursorPosition(int(m_random() % (field->text().size() + 1)));
    }
    const QString text = randomText(12);
    if (m_random() % 3 == 0) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        for (QChar c : text)
            QTest::keyClick(field, c.toLatin1() == '\t' ? ' ' : c.toLatin1());
    }
    if (m_random() % 4 == 0)
        QTest::keyClick(field, m_random() % 2 ? Qt::Key_Backspace : Qt::Key_Delete);
}

void TestRandomUser::noteMainPress(const QWidget *pressed)
{
    if (pressed == m_main->dieButton(3))
        m_d10RolledAlone = true;
    else if (pressed == child<QPushButton>(*m_main, "RA"))
        m_d10RolledAlone = false;
}

void TestRandomUser::noteStatsPress(StatRollerWindow *stats, const QWidget *pressed)
{
    if (!stats)
        return;
    if (stats != m_rolledIn) {
        m_rolledIn = stats;
        m_rowRolled.fill(false);
    }
    if (pressed == stats->rollAllButton())
        m_rowRolled.fill(true);
    for (int row = 0; row < 6; ++row)
        if (pressed == stats->reRollButton(row))
            m_rowRolled[std::size_t(row)] = true;
}

void TestRandomUser::act()
{
    auto *stats = shownWindow<StatRollerWindow>("CharStat");
    auto *multi = shownWindow<MultiRollerWindow>("ADDice");
    auto *about = shownWindow<AboutDialog>("About");

    switch (m_random() % 14) {
    case 0:
    case 1: {
        QPushButton *die = m_main->dieButton(testDice[m_random() % 8].index);
        noteMainPress(die);
        QTest::mouseClick(die, Qt::LeftButton);
        break;
    }
    case 2:
        noteMainPress(child<QPushButton>(*m_main, "RA"));
        QTest::mouseClick(child<QPushButton>(*m_main, "RA"), Qt::LeftButton);
        break;
    case 3: {
        const char *buttons[] = {"CharShow", "AdShow", "AbShow"};
        QTest::mouseClick(child<QPushButton>(*m_main, buttons[m_random() % 3]), Qt::LeftButton);
        break;
    }
    case 4:
        if (stats) {
            QPushButton *button = m_random() % 7 == 0 ? stats->rollAllButton()
                                                      : stats->reRollButton(int(m_random() % 6));
            noteStatsPress(stats, button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        break;
    case 5:
    case 6:
        if (multi)
            QTest::mouseClick(multi->rollButton(), Qt::LeftButton);
        break;
    case 7:
        if (multi) {
            multi->dieBox()->setFocus();
            QTest::keyClick(multi->dieBox(), m_random() % 3 ? Qt::Key_Down : Qt::Key_Up);
        }
        break;
    case 8:
    case 9:
        if (multi)
            typeInto(multi->countBox());
        break;
    case 10:
        if (multi)
            typeInto(multi->dieBox()->lineEdit());
        break;
    case 11: {
        QWidget *windows[] = {m_main, stats, multi, about};
        QWidget *target = windows[m_random() % 4];
        if (target) {
            QWidget *focus = target->focusWidget() ? target->focusWidget() : target;
            const Qt::Key key = m_random() % 2 ? Qt::Key_Return : Qt::Key_Escape;
            // Return presses the focused button, where the keyboard focus is.
            if (key == Qt::Key_Return && focus == QApplication::focusWidget()) {
                if (target == m_main)
                    noteMainPress(focus);
                if (target == stats)
                    noteStatsPress(stats, focus);
            }
            QTest::keyClick(focus, key);
        }
        break;
    }
    case 12: {
        QWidget *windows[] = {stats, multi, about};
        if (QWidget *target = windows[m_random() % 3])
            target->close();
        break;
    }
    default:
        if (about)
            QTest::mouseClick(about->okButton(), Qt::LeftButton);
        break;
    }
    flushDeletes();
}

void TestRandomUser::checkWhatTheUserSees()
{
    const QString at = QStringLiteral(" after action %1").arg(m_action);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));

    // Main window captions: a legal face of each die, or its label.
    for (const TestDie &d : testDice) {
        const QString text = m_main->dieButton(d.index)->caption();
        if (text == QLatin1String(d.caption))
            continue;
        // Shortest decimal text of a face in range; the percentile die writes 0 as "00".
        const int value = text.toInt();
        const bool tens = d.index == 8;
        bool ok = text == (tens && value == 0 ? QStringLiteral("00") : QString::number(value));
        if (tens)
            ok = ok && value % 10 == 0 && value >= 0 && value <= 90;
        else if (d.index == 3)
            ok = ok && (m_d10RolledAlone ? value >= 0 && value <= 9 : value >= 1 && value <= 10);
        else
            ok = ok && value >= 1 && value <= d.sides;
        QVERIFY2(ok, qPrintable(QStringLiteral("die %1 shows %2").arg(d.caption, text) + at));
    }

    // Each window exists at most once.
    for (const char *name : {"Main", "CharStat", "ADDice", "About"}) {
        int count = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            count += w->objectName() == QLatin1String(name);
        QVERIFY2(count <= 1,
                 qPrintable(QStringLiteral("%1 windows of %2").arg(count).arg(name) + at));
    }

    if (auto *stats = shownWindow<StatRollerWindow>("CharStat")) {
        for (int row = 0; row < 6; ++row) {
            QList<int> faces;
            bool faceTexts = true; // each the shortest decimal text of a face of a d6
            for (int j = 0; j < 4; ++j) {
                const QString face = stats->faceLabel(row, j)->text();
                faces << face.toInt();
                faceTexts &=
                    face == QString::number(faces.last()) && faces.last() >= 1 && faces.last() <= 6;
            }
            const QString total = stats->totalLabel(row)->text();
            if (stats != m_rolledIn || !m_rowRolled[std::size_t(row)]) {
                QVERIFY2(faces == (QList<int>{1, 2, 3, 4}) && total == QLatin1String("18"),
                         qPrintable(QStringLiteral("row %1 not rolled").arg(row + 1) + at));
                continue;
            }
            QVERIFY2(
                faceTexts && total == QString::number(threeHighest(faces)),
                qPrintable(QStringLiteral("row %1's faces or total %2").arg(row + 1).arg(total) +
                           at));
        }
    }

    if (auto *multi = shownWindow<MultiRollerWindow>("ADDice")) {
        const QString count = multi->countBox()->text();
        QVERIFY2(count.size() <= 3 || isSubsequence(count, QStringLiteral("# of Rolls")),
                 qPrintable("count box holds " + count + at));
        const QString total = multi->totalLabel()->text();
        QVERIFY2(total == QLatin1String("TOTAL") || total.contains(digits),
                 qPrintable("total shows " + total + at));
        QCOMPARE(multi->dieBox()->count(), 7);
    }
}

void TestRandomUser::twentyThousandActions()
{
    dice::MersenneSource source;
    MainWindow window(source);
    m_main = &window;
    window.show();
    for (m_action = 1; m_action <= actions; ++m_action) {
        act();
        checkWhatTheUserSees();
        if (QTest::currentTestFailed())
            return;
    }
    closeWindowsBut(&window);
}

QTEST_MAIN(TestRandomUser)
#include "tst_randomuser.moc"
