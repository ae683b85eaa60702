import flash.display.Graphics;
import flash.display.Sprite;

// Small traffic signs drawn in a box of `size` pixels centred on (0, 0): the pieces of the games.
class SignArt {
    public static inline var KINDS = 12;
    static var NAMES = ["注意行人", "十字交叉", "向左急弯", "注意落石", "禁止通行", "禁止驶入", "禁止鸣喇叭", "限速40", "直行", "向右转弯",
        "停车让行", "减速让行"];

    public static function name(kind:Int):String {
        return NAMES[kind];
    }

    public static function draw(kind:Int, size:Float):Sprite {
        var sign = new Sprite();
        var g = sign.graphics;
        var r = size / 2;
        switch (kind) {
            case 0, 1, 2, 3:
                triangle(g, r);
                switch (kind) {
                    case 0:
                        g.beginFill(0x111111);
                        g.drawCircle(0, -r * 0.18, r * 0.1);
                        g.endFill();
                        g.lineStyle(r * 0.09, 0x111111);
                        g.moveTo(0, -r * 0.05);
                        g.lineTo(-r * 0.05, r * 0.3);
                        g.lineTo(-r * 0.2, r * 0.55);
                        g.moveTo(-r * 0.05, r * 0.3);
                        g.lineTo(r * 0.12, r * 0.55);
                    case 1:
                        g.lineStyle(r * 0.14, 0x111111);
                        g.moveTo(0, -r * 0.3);
                        g.lineTo(0, r * 0.55);
                        g.moveTo(-r * 0.35, r * 0.15);
                        g.lineTo(r * 0.35, r * 0.15);
                    case 2:
                        g.lineStyle(r * 0.12, 0x111111);
                        g.moveTo(r * 0.15, r * 0.55);
                        g.lineTo(r * 0.15, 0);
                        g.curveTo(r * 0.15, -r * 0.15, -r * 0.1, -r * 0.15);
                        g.lineStyle();
                        g.beginFill(0x111111);
                        g.moveTo(-r * 0.35, -r * 0.15);
                        g.lineTo(-r * 0.1, -r * 0.35);
                        g.lineTo(-r * 0.1, r * 0.05);
                        g.endFill();
                    default:
                        g.beginFill(0x111111);
                        g.drawRect(-r * 0.4, -r * 0.1, r * 0.25, r * 0.65);
                        g.drawCircle(r * 0.15, r * 0.05, r * 0.09);
                        g.drawCircle(r * 0.3, r * 0.3, r * 0.08);
                        g.endFill();
                }
            case 4, 5, 6, 7:
                if (kind == 5) {
                    g.beginFill(0xD0021B);
                    g.drawCircle(0, 0, r * 0.9);
                    g.endFill();
                    g.beginFill(0xFFFFFF);
                    g.drawRect(-r * 0.6, -r * 0.14, r * 1.2, r * 0.28);
                    g.endFill();
                } else {
                    g.beginFill(0xFFFFFF);
                    g.lineStyle(r * 0.16, 0xD0021B);
                    g.drawCircle(0, 0, r * 0.82);
                    g.endFill();
                    g.lineStyle();
                    if (kind == 6) {
                        g.beginFill(0x111111);
                        g.moveTo(-r * 0.4, -r * 0.15);
                        g.lineTo(-r * 0.15, -r * 0.15);
                        g.lineTo(r * 0.2, -r * 0.4);
                        g.lineTo(r * 0.2, r * 0.4);
                        g.lineTo(-r * 0.15, r * 0.15);
                        g.lineTo(-r * 0.4, r * 0.15);
                        g.endFill();
                        slash(g, r);
                    } else if (kind == 7) {
                        var limit = Text.label("40", Std.int(r * 0.8), 0x111111, true);
                        limit.x = -limit.width / 2;
                        limit.y = -limit.height / 2;
                        sign.addChild(limit);
                    }
                }
            case 8, 9:
                g.beginFill(0x1A5FB4);
                g.drawCircle(0, 0, r * 0.9);
                g.endFill();
                g.lineStyle(r * 0.16, 0xFFFFFF);
                if (kind == 8) {
                    g.moveTo(0, r * 0.55);
                    g.lineTo(0, -r * 0.2);
                    g.lineStyle();
                    g.beginFill(0xFFFFFF);
                    g.moveTo(-r * 0.3, -r * 0.15);
                    g.lineTo(0, -r * 0.55);
                    g.lineTo(r * 0.3, -r * 0.15);
                    g.endFill();
                } else {
                    g.moveTo(-r * 0.2, r * 0.55);
                    g.lineTo(-r * 0.2, 0);
                    g.curveTo(-r * 0.2, -r * 0.15, r * 0.1, -r * 0.15);
                    g.lineStyle();
                    g.beginFill(0xFFFFFF);
                    g.moveTo(r * 0.45, -r * 0.15);
                    g.lineTo(r * 0.1, -r * 0.42);
                    g.lineTo(r * 0.1, r * 0.12);
                    g.endFill();
                }
            case 10:
                g.beginFill(0xD0021B);
                g.lineStyle(r * 0.05, 0xFFFFFF);
                var s = r * 0.9;
                var c = s * 0.414;
                g.moveTo(-c, -s);
                g.lineTo(c, -s);
                g.lineTo(s, -c);
                g.lineTo(s, c);
                g.lineTo(c, s);
                g.lineTo(-c, s);
                g.lineTo(-s, c);
                g.lineTo(-s, -c);
                g.lineTo(-c, -s);
                g.endFill();
                var stop = Text.label("停", Std.int(r * 0.9), 0xFFFFFF, true);
                stop.x = -stop.width / 2;
                stop.y = -stop.height / 2;
                sign.addChild(stop);
            default:
                g.beginFill(0xFFFFFF);
                g.lineStyle(r * 0.14, 0xD0021B);
                g.moveTo(-r * 0.85, -r * 0.7);
                g.lineTo(r * 0.85, -r * 0.7);
                g.lineTo(0, r * 0.85);
                g.lineTo(-r * 0.85, -r * 0.7);
                g.endFill();
                var give = Text.label("让", Std.int(r * 0.6), 0x111111, true);
                give.x = -give.width / 2;
                give.y = -r * 0.62;
                sign.addChild(give);
        }
        return sign;
    }

    static function triangle(g:Graphics, r:Float):Void {
        g.beginFill(0xF7C800);
        g.lineStyle(r * 0.1, 0x111111);
        g.moveTo(0, -r * 0.85);
        g.lineTo(r * 0.9, r * 0.75);
        g.lineTo(-r * 0.9, r * 0.75);
        g.lineTo(0, -r * 0.85);
        g.endFill();
        g.lineStyle();
    }

    static function slash(g:Graphics, r:Float):Void {
        g.lineStyle(r * 0.14, 0xD0021B);
        g.moveTo(-r * 0.55, -r * 0.55);
        g.lineTo(r * 0.55, r * 0.55);
        g.lineStyle();
    }
}
