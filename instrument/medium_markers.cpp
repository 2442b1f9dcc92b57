#include "instrument/medium_markers.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "picture/chain_picture.h"

namespace {

void fullHeightLine(ChainPicture& picture, float x, Chain::Rgb colour) {
    picture.drawLine(x, Chain::kViewTop, x, Chain::kViewBottom, ChainPicture::pixelOf(colour));
}

} // namespace

MediumMarkers::MediumMarkers(const ChainState& state, ChainPicture& picture)
    : state_(state), picture_(picture) {}

void MediumMarkers::restore() {
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

void MediumMarkers::showDamping(bool shown) {
    // Drawn at the resting width, the width of the end mass's dot that runs along it.
    picture_.setPenWidth(Chain::kRestingPen);
    fullHeightLine(picture_, Chain::kDampingMarkerX,
                   shown ? Chain::kDampingMarker : Chain::kBackground);
}

void MediumMarkers::showObstacle(bool shown) {
    picture_.setPenWidth(Chain::kThinPen);
    fullHeightLine(picture_, Chain::kObstacleMarkerX,
                   shown ? Chain::kObstacleMarker : Chain::kBackground);
    picture_.setPenWidth(Chain::kRestingPen);
}

void MediumMarkers::showRefraction(bool shown) {
    picture_.setPenWidth(Chain::kThinPen);
    if (shown) {
        // The boundary has no colour of its own: it is drawn in the view's foreground colour.
        picture_.drawLine(Chain::kRefractionMarkerX, Chain::kViewTop, Chain::kRefractionMarkerX,
                          Chain::kViewBottom);
    } else {
        fullHeightLine(picture_, Chain::kRefractionMarkerX, Chain::kBackground);
    }
    picture_.setPenWidth(Chain::kRestingPen);
}
