// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <QImage>
#include <QPushButton>

// A push button that shows a picture centred in the space above a one-line caption,
// the caption centred beneath it. The caption is the button's text(), so its
// accessible name follows the caption.
class PictureButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureButton)

public:
    // `picture` is a die picture name understood by assets::diePicture().
    PictureButton(QString picture, const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The one-line caption strip at the bottom, inside the bevel.
    QRect captionRect() const;

    QString m_name;           // the picture's name
    QImage m_picture;         // the picture, as read for the ratio below
    qreal m_pictureRatio = 0; // the device-pixel ratio the button last painted at
};
