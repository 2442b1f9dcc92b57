#pragma once

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "desktop/platform/qt_colour.h"
#include "desktop/view/chain_view.h"
#include "desktop/view/panels_binding.h"
#include "instrument/chain_pass.h"
#include "instrument/panels.h"

#include <QImage>
#include <QLineEdit>

#include <functional>

inline constexpr QRgb kViewBackground = toQRgb(Chain::kBackground);

// What the view paints on the screen, in device pixels, without the labels it holds.
inline QImage shownImage(ChainView& view) {
    const qreal ratio = view.devicePixelRatioF();
    QImage image(view.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    view.render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}

// The width of the pen the view draws with now: the widest row of a dot it stamps at its centre
// in a colour of the test's own.
inline int penWidthNow(ChainView& view) {
    constexpr QRgb kProbe = qRgb(1, 2, 3);
    view.moveDot(50, 0, 0, kViewBackground, kProbe);
    const QImage image = shownImage(view);
    int widest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int row = 0;
        for (int x = 0; x < image.width(); ++x) {
            row += image.pixel(x, y) == kProbe ? 1 : 0;
        }
        widest = std::max(widest, row);
    }
    return widest;
}

// A chain view of the window's proportions on the chain's background, a clock read-out bound to
// the panels' state and the pass of a state with its start values, without the window or the
// instrument. Every pass is shown as a frame of its own, as the window shows a frame (or the
// frame is handed to `onPass`).
struct ViewBench {
    explicit ViewBench(QSize size = {1000, 600}) {
        setStartValues(state);
        view.resize(size);
        view.setBackgroundColour(kViewBackground);
        binding.bind(Role::kClockReadout, clock);
    }

    ChainState state;
    ChainView view;
    QLineEdit clock;
    Panels panels;
    PanelsBinding binding{panels, view};
    // The chain's changed pixels and the clock's latest value to the screen.
    using ShowFrame = std::function<void()>;
    std::function<void(const ShowFrame& show)> onPass;
    int passes = 0;
    ChainPass pass{state, view.canvas(), panels};
    ShowFrame show = [this] {
        pass.showPendingClock();
        view.flush();
    };

    // `n` more passes.
    void run(int n) {
        pass.begin();
        for (int i = 0; i < n; ++i) {
            view.prepare();
            pass.step();
            ++passes;
            onPass ? onPass(show) : show();
        }
        show();
    }
};
