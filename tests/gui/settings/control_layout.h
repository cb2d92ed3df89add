// Whether a window reads as laid out: every control inside the window, no smaller than it needs
// and clear of the others. With GYROLITH_SCREENS_DIR set on a real X display, the window is also
// captured into that folder, as the user sees it.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace LayoutCheck
{
// The controls a user reads or works within `area`, each its own rectangle.
inline std::vector<QWidget*> VisibleControls(const QWidget& area)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : area.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(child) ||
                             qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                             qobject_cast<QPlainTextEdit*>(child);
        // A combo box's own line edit is part of its control.
        const bool part = qobject_cast<QComboBox*>(child->parentWidget()) != nullptr;
        if (control && !part && child->isVisibleTo(&area)) {
            controls.push_back(child);
        }
    }
    return controls;
}

// "QLabel "Grid Size (mm)"": what the control is and its text, if it has one.
inline std::string Describe(const QWidget& control)
{
    return QString("%1 \"%2\"")
        .arg(control.metaObject()->className(), control.property("text").toString())
        .toStdString();
}

// Fails for each control of `area` that leaves `window`, is cut or overlaps another control;
// a control inside another (a group box's buttons) is no overlap.
inline void ExpectLaidOut(const QWidget& window, const QWidget& area)
{
    const std::vector<QWidget*> controls = VisibleControls(area);
    ASSERT_GE(controls.size(), 2u);
    const auto box = [&window](const QWidget* control) {
        return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
    };
    for (const QWidget* control : controls) {
        EXPECT_TRUE(window.rect().contains(box(control)))
            << Describe(*control) << " leaves the window";
        const QSize least = control->minimumSizeHint();
        EXPECT_GE(control->width(), least.width()) << Describe(*control) << " is cut";
        EXPECT_GE(control->height(), least.height()) << Describe(*control) << " is cut";
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i])) {
                continue;
            }
            EXPECT_FALSE(box(controls[i]).intersects(box(controls[j])))
                << Describe(*controls[i]) << " overlaps " << Describe(*controls[j]);
        }
    }
}

inline void CaptureIfAsked(const QWidget& window, const char* file)
{
    const QString folder = qEnvironmentVariable("GYROLITH_SCREENS_DIR");
    if (folder.isEmpty() || QGuiApplication::platformName() != "xcb") {
        return;
    }
    QTest::qWait(200); // the window manager's frame and the first paint
    const QString path = QDir(folder).filePath(QString(file) + ".png");
    EXPECT_EQ(QProcess::execute("import", {"-window", QString::number(window.winId()), path}), 0);
}

// A test name from a file name: "network-graphics-settings" is NetworkGraphicsSettings.
inline std::string NameOf(const char* file)
{
    std::string name;
    bool upper = true;
    for (const char* p = file; *p != '\0'; ++p) {
        if (*p != '-') {
            name += upper ? static_cast<char>(std::toupper(*p)) : *p;
        }
        upper = *p == '-';
    }
    return name;
}
} // namespace LayoutCheck
