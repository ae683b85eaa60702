import flash.display.Sprite;

// A car seen from above, pointing up, `w` wide and `h` long, centred on (0, 0).
class Car extends Sprite {
    public function new(body:Int, w:Float, h:Float) {
        super();
        var g = graphics;
        g.beginFill(0x111111);
        for (sx in [-1, 1])
            for (sy in [-1, 1])
                g.drawRect(sx * w / 2 - (sx > 0 ? 3 : 1), sy * h * 0.3 - 6, 4, 12);
        g.endFill();
        g.beginFill(body);
        g.lineStyle(1.5, 0x000000, 0.6);
        g.drawRoundRect(-w / 2, -h / 2, w, h, w * 0.5, w * 0.5);
        g.endFill();
        g.lineStyle();
        g.beginFill(0x9FD3F5);
        g.drawRoundRect(-w * 0.36, -h * 0.28, w * 0.72, h * 0.16, 6, 6);
        g.endFill();
        g.beginFill(0x7FB3D5);
        g.drawRoundRect(-w * 0.34, h * 0.22, w * 0.68, h * 0.12, 6, 6);
        g.endFill();
        g.beginFill(0xFFF59D);
        g.drawCircle(-w * 0.3, -h / 2 + 3, 2.5);
        g.drawCircle(w * 0.3, -h / 2 + 3, 2.5);
        g.endFill();
        g.beginFill(0xE53935);
        g.drawRect(-w * 0.4, h / 2 - 3, 6, 2.5);
        g.drawRect(w * 0.4 - 6, h / 2 - 3, 6, 2.5);
        g.endFill();
    }
}
