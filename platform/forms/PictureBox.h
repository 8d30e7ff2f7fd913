#pragma once
// A windowed child area that holds controls. Its picture is shown unscaled
// from the top-left corner of its inner area and clipped; its children move
// and hide with it. Auto-size takes the picture's pixel size (plus the border).
#include "Control.h"
#include "platform/Colors.h"

#include <QPixmap>

namespace platform::forms {


class PictureBox : public Control, public Container {
public:
    explicit PictureBox(Container& container);
    // A picture box inside another (chosen over the deleted copy).
    explicit PictureBox(PictureBox& container) : PictureBox(static_cast<Container&>(container)) {}

    QWidget* innerArea() const override { return inner_; }

    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    Border BorderStyle() const { return border_; }
    void setBorderStyle(Border border);
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    void setWidth(int twips) override;
    void setHeight(int twips) override;

    // Inner size in twips, inside the border.
    int ScaleWidth() const;
    int ScaleHeight() const;

private:
    friend class PictureBoxWidget;
    friend class InnerArea;
    int borderWidth() const;

    QWidget* inner_ = nullptr;
    QPixmap picture_;
    bool autoSize_ = false;
    Border border_ = Border::fixedSingle;
    ColorValue backColor_ = systemButtonFace;
};

} // namespace platform::forms
