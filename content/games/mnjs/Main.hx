import flash.display.Sprite;
import flash.events.Event;

// A drive of two kilometres through town with signs to obey, judged as the theory exam is: 100
// points to start, 90 to pass. Speed limits, traffic lights, a crossing with pedestrians and road
// works. Keyboard: up speeds up, down brakes, left and right change lane. Mouse: hold the buttons.
class Main extends Screen {
    static inline var LANES = 2;
    static inline var LANE = 90;
    static inline var CAR_Y = 330;
    static inline var ROUTE = 2000.0;
    // Screen pixels for one metre of road.
    static inline var SCALE = 4.0;

    var road:Road;
    var car:Car;
    var layer:Sprite;
    var metres:Float;
    var kmh:Float;
    var limit:Int;
    var lane:Int;
    var carX:Float;
    var points:Int;
    var log:Array<String>;
    var speeding:Float;
    var events:Array<RoadEvent>;
    var driving = false;
    var gas:HoldButton;
    var brake:HoldButton;
    var toLeft:HoldButton;
    var toRight:HoldButton;

    static function main() {
        flash.Lib.current.addChild(new Main());
    }

    public function new() {
        super("模拟驾驶游戏");
        road = new Road(LANES, LANE);
        addChildAt(road, 0);
        layer = new Sprite();
        addChildAt(layer, 1);
        car = new Car(0x1565C0, 36, 66);
        car.x = road.laneCentre(1);
        car.y = CAR_Y;
        addChildAt(car, 2);
        gas = new HoldButton("油门", 605, 372, 80, 44);
        brake = new HoldButton("刹车", 515, 372, 80, 44);
        toLeft = new HoldButton("左道", 20, 372, 80, 44);
        toRight = new HoldButton("右道", 110, 372, 80, 44);
        for (b in [gas, brake, toLeft, toRight])
            addChild(b);
        addEventListener(Event.ENTER_FRAME, tick);
        showBoard("模拟驾驶", ["行驶 2 公里，遵守限速、信号灯和让行规定", "起分 100 分，违规扣分，90 分以上合格", "上下方向键加速、刹车，左右方向键变道"], start);
    }

    function start():Void {
        while (layer.numChildren > 0)
            layer.removeChildAt(0);
        metres = 0;
        kmh = 0;
        limit = 50;
        lane = 1;
        carX = road.laneCentre(lane);
        points = 100;
        log = [];
        speeding = 0;
        events = [
            RoadEvent.limit(120, 40), RoadEvent.light(330), RoadEvent.works(560, 1), RoadEvent.crossing(800),
            RoadEvent.limit(1000, 60), RoadEvent.light(1250), RoadEvent.works(1450, 0), RoadEvent.limit(1650, 30),
            RoadEvent.crossing(1800)
        ];
        for (e in events)
            layer.addChild(e);
        resetScore();
        addScore(points);
        driving = true;
    }

    function tick(_):Void {
        if (!driving || boardShown())
            return;
        if (held(38) || held(87) || gas.down)
            kmh = Math.min(80, kmh + 0.5);
        else if (held(40) || held(83) || brake.down)
            kmh = Math.max(0, kmh - 1.6);
        else
            kmh = Math.max(0, kmh - 0.1);
        if (toLeft.down)
            lane = 0;
        if (toRight.down)
            lane = 1;
        carX += (road.laneCentre(lane) - carX) * 0.12;
        car.x = carX;
        var step = kmh / 3.6 / 30;
        var before = metres;
        metres += step;
        road.scroll(step * SCALE);
        for (e in events) {
            e.place(metres, SCALE, CAR_Y, road);
            var verdict = e.judge(before, metres, kmh, lane);
            if (verdict != null)
                deduct(verdict.points, verdict.reason);
            if (e.kind == RoadEvent.LIMIT && before < e.at && metres >= e.at)
                limit = e.value;
        }
        speeding = kmh > limit + 5 ? speeding + 1 / 30 : 0;
        if (speeding > 2) {
            deduct(10, "超速行驶（限速 " + limit + "）");
            speeding = -8;
        }
        status("车速 " + Std.int(kmh) + " km/h  限速 " + limit + "  已行 " + Std.int(metres) + " 米");
        if (metres >= ROUTE)
            finish();
    }

    override function keyPressed(code:Int):Void {
        if (code == 37 || code == 65)
            lane = 0;
        if (code == 39 || code == 68)
            lane = 1;
    }

    function deduct(amount:Int, reason:String):Void {
        points -= amount;
        log.push(reason + " 扣 " + amount + " 分");
        addScore(-amount);
        if (points < 90) {
            driving = false;
            showBoard("不合格", log.slice(-3).concat(["成绩 " + points + " 分，低于 90 分"]), start);
        }
    }

    function finish():Void {
        driving = false;
        showBoard(points >= 90 ? "合格！" : "不合格", log.slice(-3).concat(["全程完成，成绩 " + points + " 分"]), start);
    }
}
