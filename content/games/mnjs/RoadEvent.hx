import flash.display.Sprite;

typedef Verdict = {points:Int, reason:String};

// Something on the route at `at` metres that the driver must obey: a speed limit sign, a traffic light
// with its stop line, road works closing a lane, or a zebra crossing with people waiting.
class RoadEvent extends Sprite {
    public static inline var LIMIT = 0;
    public static inline var LIGHT = 1;
    public static inline var WORKS = 2;
    public static inline var CROSSING = 3;

    public var kind(default, null):Int;
    public var at(default, null):Float;
    public var value(default, null):Int;

    var clock = 0.0;
    var lamp:Sprite;
    var judged = false;

    public static function limit(at:Float, kmh:Int):RoadEvent {
        var e = new RoadEvent(LIMIT, at, kmh);
        var sign = SignArt.draw(7, 44);
        var number = cast(sign.getChildAt(0), flash.text.TextField);
        Text.set(number, Std.string(kmh));
        number.x = -number.width / 2;
        sign.x = 40;
        e.addChild(sign);
        return e;
    }

    public static function light(at:Float):RoadEvent {
        var e = new RoadEvent(LIGHT, at, 0);
        e.lamp = new Sprite();
        e.lamp.x = 40;
        e.addChild(e.lamp);
        return e;
    }

    public static function works(at:Float, lane:Int):RoadEvent {
        var e = new RoadEvent(WORKS, at, lane);
        var warning = Text.label(lane == 0 ? "前方施工 左道封闭" : "前方施工 右道封闭", 15, 0xFFD24A);
        warning.x = lane == 0 ? 110 : -250;
        warning.y = 300;
        e.addChild(warning);
        return e;
    }

    public static function crossing(at:Float):RoadEvent {
        return new RoadEvent(CROSSING, at, 0);
    }

    function new(kind:Int, at:Float, value:Int) {
        super();
        this.kind = kind;
        this.at = at;
        this.value = value;
    }

    // Red for the first 6 s of every 10 s cycle, measured from the start of the drive.
    function red():Bool {
        return clock % 10 < 6;
    }

    public function place(metres:Float, scale:Float, carY:Float, road:Road):Void {
        clock += 1 / 30;
        y = carY - 33 - (at - metres) * scale;
        visible = y > -200 && y < Screen.HEIGHT + 200;
        var g = graphics;
        g.clear();
        var right = road.left + 2 * road.laneWidth;
        switch (kind) {
            case LIMIT:
                x = right;
            case LIGHT:
                x = right;
                g.lineStyle(5, 0xFFFFFF);
                g.moveTo(road.left - right, 0);
                g.lineTo(0, 0);
                g.lineStyle();
                var l = lamp.graphics;
                l.clear();
                l.beginFill(0x222222);
                l.drawRoundRect(-12, -36, 24, 52, 6, 6);
                l.endFill();
                l.beginFill(red() ? 0xFF1744 : 0x552222);
                l.drawCircle(0, -24, 8);
                l.endFill();
                l.beginFill(red() ? 0x225522 : 0x00E676);
                l.drawCircle(0, 4, 8);
                l.endFill();
            case WORKS:
                x = road.laneCentre(value);
                g.beginFill(0xFF6D00);
                for (i in 0...4) {
                    var cy = -i * 30.0;
                    g.moveTo(0, cy - 12);
                    g.lineTo(10, cy + 10);
                    g.lineTo(-10, cy + 10);
                }
                g.endFill();
            default:
                x = road.left;
                g.beginFill(0xFFFFFF);
                var stripe = 0.0;
                while (stripe < 2 * road.laneWidth) {
                    g.drawRect(stripe + 4, -40, 12, 40);
                    stripe += 24;
                }
                g.endFill();
                if (!judged) {
                    g.lineStyle(4, 0x111111);
                    g.beginFill(0x111111);
                    g.drawCircle(-20, -22, 6);
                    g.endFill();
                }
        }
    }

    // What the driver did wrong while driving from `before` to `now` metres, if anything.
    public function judge(before:Float, now:Float, kmh:Float, lane:Int):Verdict {
        if (judged)
            return null;
        switch (kind) {
            case LIGHT:
                if (before < at && now >= at) {
                    judged = true;
                    if (red())
                        return {points: 20, reason: "闯红灯"};
                }
            case WORKS:
                if (now >= at - 100 && now <= at + 10 && lane == value) {
                    judged = true;
                    return {points: 30, reason: "驶入施工封闭车道"};
                }
            case CROSSING:
                // People wait at the kerb: the driver must come to a stop within 15 m before the line.
                if (now >= at - 15 && now < at && kmh < 1) {
                    judged = true;
                } else if (before < at && now >= at) {
                    judged = true;
                    return {points: 20, reason: "人行横道未停车让行"};
                }
            default:
        }
        return null;
    }
}
