#pragma once

#include "window/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace hc {

// A modal box as it appeared during a click.
struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

inline bool WaitCursorShown() {
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// The handlers' clock for a test that needs a press still running: each
// reading is 100 ms of work after the last, so that any sweep of a few times
// 4096 dots is a long press however fast the machine, and `onReading` runs
// at each reading, as what the user does while the press works.
struct TestClock {
    WorkClock::Milliseconds now = 0;
    int readings = 0;
    std::function<void()> onReading;
    WorkClock::Now Reader() {
        return [this] {
            ++readings;
            if (onReading)
                onReading();
            return now += 100;
        };
    }
};

class Form1Test : public testing::Test {
  protected:
    void SetUp() override { Start(QLocale::c()); }

    void Start(const QLocale& locale, WorkClock::Now now = {}) {
        form = std::make_unique<Form1>(locale, std::move(now));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // The activation handler is queued behind the first show.
        QCoreApplication::processEvents();
        ASSERT_EQ(form->sheet().PlotW, 8000) << "the activation handler did not run";
    }

    void TearDown() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window was left open";
    }

    QPushButton* Button(const char* name) const {
        auto* button = form->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    QLineEdit* Box(const char* name) const {
        auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    void Type(const char* name, const QString& text) { Box(name)->setText(text); }

    // Clicks the button, answering every modal box that appears; returns them.
    std::vector<SeenMessage> Click(const char* name) {
        std::vector<SeenMessage> seen;
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            seen.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
            box->button(QMessageBox::Ok)->click();
        });
        answer.start();
        QTest::mouseClick(Button(name), Qt::LeftButton);
        answer.stop();
        return seen;
    }

    double PixelsPerTwip() const { return form->logicalDpiX() / 1440.0; }
    double WidthTwips() const { return form->OuterSizeTwips().width(); }
    double HeightTwips() const { return form->OuterSizeTwips().height(); }

    std::unique_ptr<Form1> form;
};

} // namespace hc
