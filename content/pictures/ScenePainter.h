#pragma once

#include <QImage>

// Draws road scenes as a driver sees them through the windscreen: the road runs ahead to the horizon and what
// matters for the question stands on it.
class ScenePainter {
public:
    enum class Scene {
        CrossroadsRedLight,  // a crossroads whose signal shows red
        ZebraCrossing,       // a pedestrian on a zebra crossing
        Expressway,          // three lanes and the hard shoulder of an expressway
        RailwayCrossing,     // an unguarded level crossing
    };

    static QImage paint(Scene scene, int width, int height);
};
