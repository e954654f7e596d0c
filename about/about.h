#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// The About window: a fixed dialog with the program's title, version and a credit
// line beside two die icons. OK, Enter, Esc and the close box close it.
class About final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(About)

public:
    // Builds the controls and runs the load step.
    explicit About(QWidget *parent = nullptr);

    // "Version " and the three version numbers joined by ".", e.g. "Version 1.7.0".
    static QString versionText(int major, int minor, int revision);

    // Where the client area's top-left corner opens on the screen, in pixels.
    static constexpr QPoint screenPosition{156, 129};

    QPushButton *okButton() const { return m_cmdOK; }
    QLabel *titleLabel() const { return m_lblTitle; }
    QLabel *versionLabel() const { return m_lblVersion; }
    QLabel *descriptionLabel() const { return m_lblDescription; }
    QLabel *disclaimerLabel() const { return m_lblDisclaimer; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();

    QPushButton *m_cmdOK = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
};
