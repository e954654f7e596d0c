// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QImage>
#include <QPushButton>

// A push button that shows a picture centred in the space above a one-line caption, the
// caption centred beneath it. The button keeps its caption itself, not as its text(), so
// that changing it sends assistive technology no name change
// (see accessibility::nameAfterCaption).
// A click gives the button the keyboard focus once the click is handled, not as the mouse
// goes down, so that a screen reader reads the button's name after what the click changed.
class PictureButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureButton)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    // `picture` is a die picture name understood by assets::diePicture().
    PictureButton(QString picture, QString caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Whether the click being handled will give the button the keyboard focus when it ends.
    bool focusFollowsClick() const { return m_focusFollows; }

    // Whether the click being handled found the focus just come back to the button with its
    // window, which a screen reader presents as it catches up with the click.
    bool clickFoundFocusReturned() const { return m_clicking && m_focusReturned; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The one-line caption strip at the bottom, inside the bevel.
    QRect captionRect() const;

    QString m_name;              // the picture's name
    QString m_caption;           // the caption under the picture
    QImage m_picture;            // the picture, as read for the ratio below
    qreal m_pictureRatio = 0;    // the device-pixel ratio the button last painted at
    bool m_focusFollows = false; // a click that began without the focus is under way
    bool m_clicking = false;      // a press of the left button is under way
    bool m_focusReturned = false; // the focus came back with the window, and no click since
};
