#include "instrument/markers.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "picture/chain_picture.h"

namespace {

void fullHeightLine(ChainPicture& picture, float x, Chain::Rgb colour) {
    picture.drawLine(x, Chain::kViewTop, x, Chain::kViewBottom, ChainPicture::pixelOf(colour));
}

} // namespace

Markers::Markers(const ChainState& state, ChainPicture& Picture1)
    : state_(state), Picture1_(Picture1) {}

void Markers::RestoreMarkers() {
    if (state_.endDamping == Chain::kDampingOn) {
        showDamping(true);
    }
    if (state_.obstacleOn == 1) {
        showObstacle(true);
    }
    if (state_.refractionOn == 1) {
        showRefraction(true);
    }
}

void Markers::clearView() {
    Picture1_.clear();
    Picture1_.setPenWidth(Chain::kRestingPen);
    RestoreMarkers();
}

void Markers::showDamping(bool shown) {
    // Drawn at the resting width, the width of the end mass's dot that runs along it.
    Picture1_.setPenWidth(Chain::kRestingPen);
    fullHeightLine(Picture1_, Chain::kDampingMarkerX,
                   shown ? Chain::kDampingMarker : Chain::kBackground);
}

void Markers::showObstacle(bool shown) {
    Picture1_.setPenWidth(Chain::kThinPen);
    fullHeightLine(Picture1_, Chain::kObstacleMarkerX,
                   shown ? Chain::kObstacleMarker : Chain::kBackground);
    Picture1_.setPenWidth(Chain::kRestingPen);
}

void Markers::showRefraction(bool shown) {
    Picture1_.setPenWidth(Chain::kThinPen);
    if (shown) {
        // The boundary has no colour of its own: it is drawn in the view's foreground colour.
        Picture1_.drawLine(Chain::kRefractionMarkerX, Chain::kViewTop, Chain::kRefractionMarkerX,
                           Chain::kViewBottom);
    } else {
        fullHeightLine(Picture1_, Chain::kRefractionMarkerX, Chain::kBackground);
    }
    Picture1_.setPenWidth(Chain::kRestingPen);
}
