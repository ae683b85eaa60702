import flash.display.Sprite;

// A straight road seen from above with `lanes` lanes between grass verges; scroll() moves its dashes.
class Road extends Sprite {
    public var left(default, null):Float;
    public var laneWidth(default, null):Float;

    var lanes:Int;
    var dashes:Sprite;
    var offset = 0.0;

    public function new(lanes:Int, laneWidth:Float) {
        super();
        this.lanes = lanes;
        this.laneWidth = laneWidth;
        left = (Screen.WIDTH - lanes * laneWidth) / 2;
        graphics.beginFill(0x5D8C3A);
        graphics.drawRect(0, Screen.BAR, Screen.WIDTH, Screen.HEIGHT - Screen.BAR);
        graphics.endFill();
        graphics.beginFill(0x3F454B);
        graphics.drawRect(left - 8, Screen.BAR, lanes * laneWidth + 16, Screen.HEIGHT - Screen.BAR);
        graphics.endFill();
        graphics.beginFill(0xFFFFFF);
        graphics.drawRect(left - 4, Screen.BAR, 3, Screen.HEIGHT - Screen.BAR);
        graphics.drawRect(left + lanes * laneWidth + 1, Screen.BAR, 3, Screen.HEIGHT - Screen.BAR);
        graphics.endFill();
        dashes = new Sprite();
        addChild(dashes);
        scroll(0);
    }

    public function laneCentre(lane:Int):Float {
        return left + (lane + 0.5) * laneWidth;
    }

    public function scroll(distance:Float):Void {
        offset = (offset + distance) % 60;
        var g = dashes.graphics;
        g.clear();
        g.beginFill(0xFFFFFF);
        for (lane in 1...lanes) {
            var y = Screen.BAR - 60 + offset;
            while (y < Screen.HEIGHT) {
                g.drawRect(left + lane * laneWidth - 1.5, y, 3, 30);
                y += 60;
            }
        }
        g.endFill();
    }
}
