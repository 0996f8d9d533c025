#include "widgets/screenplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QMargins frameMarginsOf(const QWidget* widget)
{
    const QWindow* native = widget ? widget->windowHandle() : nullptr;
    return native ? native->frameMargins() : QMargins();
}

class ScreenKeeper : public QObject
{
public:
    explicit ScreenKeeper(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show) {
            place(true);
            // The window manager frames the window after it is mapped; the
            // frame it chose is known a moment later.
            for (int delay : {0, 150, 400})
                QTimer::singleShot(delay, this, [this] { place(false); });
            QTimer::singleShot(200, this, [this] { confirmPosition(); });
        }
        return false;
    }

private:
    QWidget* owner() const
    {
        QWidget* parent = m_window->parentWidget();
        return parent ? parent->window() : nullptr;
    }

    QScreen* screen() const
    {
        if (const QWidget* o = owner(); o && o->isVisible())
            return o->screen();
        return m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    }

    void place(bool showing)
    {
        if (!m_window || (!showing && !m_window->isVisible()))
            return;
        QScreen* s = screen();
        if (!s)
            return;
        // The window's own frame once it has one; until then the owner's,
        // which the same window manager drew.
        QMargins margins = frameMarginsOf(m_window);
        if (margins.isNull())
            margins = frameMarginsOf(owner());
        const QSize frameSize = m_window->size().grownBy(margins);
        QPoint wanted = m_window->pos();
        if (showing && !m_window->testAttribute(Qt::WA_Moved)) {
            const QWidget* o = owner();
            const QRect around = o && o->isVisible() ? o->frameGeometry() : s->availableGeometry();
            wanted = around.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2);
        } else if (!showing) {
            wanted = m_window->frameGeometry().topLeft();
        }
        const QPoint fitted = FitInto(s->availableGeometry(), wanted, frameSize);
        if (showing || fitted != m_window->frameGeometry().topLeft())
            m_window->move(fitted); // a window's position is that of its frame
    }

    // Some window managers frame a window placed before it was shown a little away from where
    // Qt then believes it stands (IceWM: a title bar's height higher), and say nothing, so
    // everything that asks Qt where a control is (a screen reader, a magnifier following the
    // focus) is told wrong. Asking for the position Qt believes once more, when the frame is
    // there, puts the window where Qt says it is; where the two agreed, nothing moves.
    void confirmPosition()
    {
        QWindow* native = m_window ? m_window->windowHandle() : nullptr;
        if (!native || !m_window->isVisible() || QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        const QPoint believed = native->position();
        native->setPosition(believed + QPoint(0, 1)); // the same position again would be ignored
        native->setPosition(believed);
    }

    QPointer<QWidget> m_window;
};

} // namespace

QPoint FitInto(const QRect& area, QPoint wanted, QSize frameSize)
{
    const int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - frameSize.width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - frameSize.height()));
    return QPoint(x, y);
}

void KeepOnScreen(QWidget* window)
{
    if (window)
        new ScreenKeeper(window);
}
