#pragma once
// The controls of dietlens' main window, found by their names, for the tests
// that drive the window. Header only, like the window it serves.
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace testsupport {

template <typename T>
T* control(const QWidget& window, const char* name)
{
    auto* c = window.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

inline QLineEdit* txt_item(const QWidget& w) { return control<QLineEdit>(w, "txt_item"); }
inline QToolButton* Pic_zoeken(const QWidget& w) { return control<QToolButton>(w, "Pic_zoeken"); }
inline QLabel* Pic_zoeken_bw(const QWidget& w) { return control<QLabel>(w, "Pic_zoeken_bw"); }
inline QTreeWidget* LV_browse(const QWidget& w) { return control<QTreeWidget>(w, "LV_browse"); }
inline QTreeWidget* LV_browse_bookmarks(const QWidget& w) { return control<QTreeWidget>(w, "LV_browse_bookmarks"); }
inline QSlider* Slider(const QWidget& w) { return control<QSlider>(w, "Slider"); }
inline QToolButton* Pic_plus(const QWidget& w) { return control<QToolButton>(w, "Pic_plus"); }
inline QToolButton* Pic_min(const QWidget& w) { return control<QToolButton>(w, "Pic_min"); }
inline QToolBar* Toolbar(const QWidget& w) { return control<QToolBar>(w, "Toolbar"); }
inline QWidget* Pic_grafiek(const QWidget& w) { return control<QWidget>(w, "Pic_grafiek"); }

} // namespace testsupport
