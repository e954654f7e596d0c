// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "programend.h"
#include "windowslot.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

// Stands in for a secondary window: counts its loads and shows one editable text.
class StandIn : public QWidget
{
public:
    explicit StandIn(int &loads) : edit(new QLineEdit(QStringLiteral("initial"), this)) { ++loads; }
    QLineEdit *edit;
};

class TestWindowSlot : public QObject
{
    Q_OBJECT

private slots:
    void makingTheSlotLoadsNothing();
    void secondOpenKeepsTheWindow();
    void closingDiscardsAndReopenLoadsAfresh();
    void minimisedWindowIsRestored();
    void programEndsWithItsLastWindow();

private:
    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void TestWindowSlot::makingTheSlotLoadsNothing()
{
    int loads = 0;
    WindowSlot slot([&loads] { return new StandIn(loads); });
    QCOMPARE(loads, 0);
    QVERIFY(!slot.window());
}

void TestWindowSlot::secondOpenKeepsTheWindow()
{
    int loads = 0;
    WindowSlot slot([&loads] { return new StandIn(loads); });
    auto *first = static_cast<StandIn *>(slot.open());
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    first->edit->setText(QStringLiteral("changed"));
    QCOMPARE(slot.open(), first);
    QCOMPARE(loads, 1);
    QCOMPARE(first->edit->text(), QStringLiteral("changed"));
    QCOMPARE(QApplication::topLevelWidgets().count(first), 1);
}

void TestWindowSlot::closingDiscardsAndReopenLoadsAfresh()
{
    int loads = 0;
    WindowSlot slot([&loads] { return new StandIn(loads); });
    QPointer<StandIn> first = static_cast<StandIn *>(slot.open());
    first->edit->setText(QStringLiteral("changed"));
    QVERIFY(first->close());
    flushDeletes();
    QVERIFY(first.isNull());
    QVERIFY(!slot.window());

    auto *second = static_cast<StandIn *>(slot.open());
    QCOMPARE(loads, 2);
    QCOMPARE(second->edit->text(), QStringLiteral("initial"));
    second->close();
    flushDeletes();
}

void TestWindowSlot::minimisedWindowIsRestored()
{
    int loads = 0;
    WindowSlot slot([&loads] { return new StandIn(loads); });
    QWidget *window = slot.open();
    window->showMinimized();
    QCOMPARE(slot.open(), window);
    QVERIFY(!window->isMinimized());
    window->close();
    flushDeletes();
}

void TestWindowSlot::programEndsWithItsLastWindow()
{
    int loads = 0;
    auto mainWindow = std::make_unique<QWidget>();
    mainWindow->show();
    WindowSlot slot([&loads] { return new StandIn(loads); });
    QWidget *secondary = slot.open();
    QVERIFY(runsOnUntilLastWindowCloses(mainWindow.get(), secondary, [&] { secondary->close(); }));
    flushDeletes();
}

QTEST_MAIN(TestWindowSlot)
#include "tst_windowslot.moc"
