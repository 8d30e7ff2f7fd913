#pragma once
// A shown form on the offscreen platform, with helpers that send real mouse
// input through the window, so that Qt decides which control is hit.
#include "platform/forms/Form.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace formstest {

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setClientSize(6000, 4500); // 400 x 300 pixels
        form.Load();
        form.widget()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.widget()));
    }
    QWindow* janela() { return form.widget()->windowHandle(); }
    void clica(QPoint pixel, Qt::KeyboardModifiers teclas = {}) { QTest::mouseClick(janela(), Qt::LeftButton, teclas, pixel); }
    void move(QPoint pixel) { QTest::mouseMove(janela(), pixel); }
    QImage tela() { return form.widget()->grab().toImage(); }

    platform::forms::Form form;
};

} // namespace formstest
