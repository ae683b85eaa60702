import flash.display.Sprite;
import flash.events.Event;
import flash.geom.Point;

// Back a car into a bay between four poles without touching a pole or a line. Keyboard: up and down
// drive forward and back, left and right steer. Mouse: hold the buttons at the bottom.
class Main extends Screen {
    static inline var CAR_W = 34;
    static inline var CAR_L = 64;
    static inline var BAY_W = 56;
    static inline var BAY_D = 92;
    static inline var BAY_TOP = 52;
    static inline var WHEELBASE = 44;

    var car:Car;
    var ground:Sprite;
    var bayX:Float;
    var carX:Float;
    var carY:Float;
    var heading:Float;
    var speed:Float;
    var steer:Float;
    var still:Int;
    var time:Float;
    var bays = 0;
    var driving = false;
    var forward:HoldButton;
    var back:HoldButton;
    var leftButton:HoldButton;
    var rightButton:HoldButton;

    static function main() {
        flash.Lib.current.addChild(new Main());
    }

    public function new() {
        super("经典倒车小游戏");
        ground = new Sprite();
        addChildAt(ground, 0);
        car = new Car(0x2E7D32, CAR_W, CAR_L);
        car.visible = false;
        addChild(car);
        forward = new HoldButton("前进", 20, 372, 80, 44);
        back = new HoldButton("倒车", 110, 372, 80, 44);
        leftButton = new HoldButton("左转", 515, 372, 80, 44);
        rightButton = new HoldButton("右转", 605, 372, 80, 44);
        for (b in [forward, back, leftButton, rightButton])
            addChild(b);
        addEventListener(Event.ENTER_FRAME, tick);
        showBoard("经典倒车", ["把车倒进上方的车库，车身完全进库后停稳", "碰到桩杆或压到库线就要重来", "方向键或 W S A D 驾驶，也可以按住下方按钮"], startBay);
    }

    function startBay():Void {
        bayX = 150 + Std.random(400);
        carX = bayX + (Std.random(2) == 0 ? -1 : 1) * (170 + Std.random(40));
        carX = Math.max(60, Math.min(Screen.WIDTH - 60, carX));
        carY = 250;
        heading = carX < bayX ? Math.PI / 2 : -Math.PI / 2;
        speed = 0;
        steer = 0;
        still = 0;
        time = 0;
        drawGround();
        place();
        driving = true;
    }

    function drawGround():Void {
        var g = ground.graphics;
        g.clear();
        g.beginFill(0x4A5158);
        g.drawRect(0, Screen.BAR, Screen.WIDTH, Screen.HEIGHT - Screen.BAR);
        g.endFill();
        g.lineStyle(3, 0xF7C800);
        g.moveTo(bayX - BAY_W / 2, BAY_TOP + BAY_D);
        g.lineTo(bayX - BAY_W / 2, BAY_TOP);
        g.lineTo(bayX + BAY_W / 2, BAY_TOP);
        g.lineTo(bayX + BAY_W / 2, BAY_TOP + BAY_D);
        g.lineStyle(2, 0xFFFFFF, 0.5);
        g.moveTo(0, 330);
        g.lineTo(Screen.WIDTH, 330);
        g.lineStyle();
        for (p in poles()) {
            g.beginFill(0xFF5252);
            g.drawCircle(p.x, p.y, 5);
            g.endFill();
        }
    }

    function poles():Array<Point> {
        return [
            new Point(bayX - BAY_W / 2 - 6, BAY_TOP), new Point(bayX + BAY_W / 2 + 6, BAY_TOP),
            new Point(bayX - BAY_W / 2 - 6, BAY_TOP + BAY_D), new Point(bayX + BAY_W / 2 + 6, BAY_TOP + BAY_D)
        ];
    }

    function corners():Array<Point> {
        var fx = Math.sin(heading);
        var fy = -Math.cos(heading);
        var points = [];
        for (s in [[1, 1], [1, -1], [-1, -1], [-1, 1]])
            points.push(new Point(carX + fx * s[0] * CAR_L / 2 - fy * s[1] * CAR_W / 2, carY + fy * s[0] * CAR_L / 2 + fx * s[1] * CAR_W / 2));
        return points;
    }

    function place():Void {
        car.x = carX;
        car.y = carY;
        car.rotation = heading * 180 / Math.PI;
        car.visible = true;
    }

    function tick(_):Void {
        if (!driving || boardShown())
            return;
        time += 1 / 30;
        status("已停好 " + bays + " 个车库    用时 " + Std.int(time) + " 秒");
        var ahead = held(38) || held(87) || forward.down;
        var reverse = held(40) || held(83) || back.down;
        var turnLeft = held(37) || held(65) || leftButton.down;
        var turnRight = held(39) || held(68) || rightButton.down;
        if (ahead)
            speed = Math.min(2.4, speed + 0.08);
        else if (reverse)
            speed = Math.max(-1.8, speed - 0.08);
        else
            speed *= 0.85;
        var target = turnLeft ? -0.6 : (turnRight ? 0.6 : 0.0);
        steer += (target - steer) * 0.25;
        heading += speed / WHEELBASE * Math.tan(steer);
        carX += Math.sin(heading) * speed;
        carY -= Math.cos(heading) * speed;
        place();
        var body = corners();
        if (touchesPole(body)) {
            fail("碰到桩杆了");
        } else if (crossesLine(body)) {
            fail("车身压到库线了");
        } else if (!onGround(body)) {
            fail("车开出场地了");
        } else if (insideBay(body) && Math.abs(speed) < 0.15) {
            if (++still > 15)
                succeed();
        } else {
            still = 0;
        }
    }

    function touchesPole(body:Array<Point>):Bool {
        for (p in poles())
            for (i in 0...4)
                if (distanceToSegment(p, body[i], body[(i + 1) % 4]) < 6)
                    return true;
        return false;
    }

    function crossesLine(body:Array<Point>):Bool {
        var left = bayX - BAY_W / 2;
        var right = bayX + BAY_W / 2;
        var lines = [
            [new Point(left, BAY_TOP), new Point(left, BAY_TOP + BAY_D)], [new Point(right, BAY_TOP), new Point(right, BAY_TOP + BAY_D)],
            [new Point(left, BAY_TOP), new Point(right, BAY_TOP)]
        ];
        for (line in lines)
            for (i in 0...4)
                if (segmentsCross(line[0], line[1], body[i], body[(i + 1) % 4]))
                    return true;
        return false;
    }

    function onGround(body:Array<Point>):Bool {
        for (p in body)
            if (p.x < 0 || p.x > Screen.WIDTH || p.y < Screen.BAR || p.y > 366)
                return false;
        return true;
    }

    function insideBay(body:Array<Point>):Bool {
        for (p in body)
            if (p.x < bayX - BAY_W / 2 || p.x > bayX + BAY_W / 2 || p.y < BAY_TOP || p.y > BAY_TOP + BAY_D)
                return false;
        return true;
    }

    function fail(reason:String):Void {
        driving = false;
        showBoard("重新来过", [reason, "已停好 " + bays + " 个车库，得分 " + score], startBay);
    }

    function succeed():Void {
        driving = false;
        var points = Std.int(Math.max(20, 100 - time * 3));
        // Backing in is the exercise, the car's nose out of the bay: driving in head first earns a third.
        var backedIn = Math.cos(heading) < 0;
        if (!backedIn)
            points = Std.int(points / 3);
        bays++;
        addScore(points);
        showBoard(backedIn ? "倒车入库成功！" : "停进去了，但不是倒车入库", ["本次用时 " + Std.int(time) + " 秒，得 " + points + " 分", "总得分 " + score], startBay);
    }

    static function distanceToSegment(p:Point, a:Point, b:Point):Float {
        var dx = b.x - a.x;
        var dy = b.y - a.y;
        var t = Math.max(0, Math.min(1, ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy)));
        return Point.distance(p, new Point(a.x + t * dx, a.y + t * dy));
    }

    static function segmentsCross(a:Point, b:Point, c:Point, d:Point):Bool {
        function side(p:Point, q:Point, r:Point):Float
            return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
        return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
    }
}
