#pragma once
// A windowless picture. It takes the pixel size of the picture put into it,
// shows it unscaled, and with no picture draws nothing yet still takes
// clicks. A disabled image is deaf to the mouse.
#include "Control.h"

#include <QPixmap>

namespace platform::forms {

class Image : public Control {
public:
    explicit Image(Container& container);

    const QPixmap& Picture() const { return picture_; }
    // A null picture clears the image; its size stays as it was.
    void setPicture(const QPixmap& picture);

private:
    friend class ImageWidget;
    QPixmap picture_;
};

} // namespace platform::forms
