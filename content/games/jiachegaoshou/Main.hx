import flash.display.Sprite;
import flash.events.Event;
import flash.events.MouseEvent;

// Drive as far as you can and avoid the cars and cones on the road; the road gets faster. Keyboard:
// left and right steer. Mouse: the car follows the pointer across the road.
class Main extends Screen {
    static inline var LANES = 4;
    static inline var LANE = 80;
    static inline var CAR_Y = 360;

    var road:Road;
    var car:Car;
    var things:Array<Sprite> = [];
    var layer:Sprite;
    var speed:Float;
    var distance:Float;
    var untilNext:Float;
    var targetX:Float;
    var driving = false;

    static function main() {
        flash.Lib.current.addChild(new Main());
    }

    public function new() {
        super("驾车高手");
        road = new Road(LANES, LANE);
        addChildAt(road, 0);
        layer = new Sprite();
        addChildAt(layer, 1);
        car = new Car(0xC62828, 36, 66);
        car.x = road.laneCentre(1);
        car.y = CAR_Y;
        addChildAt(car, 2);
        road.addEventListener(MouseEvent.MOUSE_MOVE, function(e:MouseEvent) targetX = e.stageX);
        addEventListener(Event.ENTER_FRAME, tick);
        showBoard("驾车高手", ["躲开前方的车辆和锥桶，坚持得越久得分越高", "方向键或 A D 左右移动，也可以用鼠标引导"], start);
    }

    function start():Void {
        for (t in things)
            layer.removeChild(t);
        things = [];
        speed = 4;
        distance = 0;
        untilNext = 0;
        car.x = targetX = road.laneCentre(1);
        resetScore();
        driving = true;
    }

    function tick(_):Void {
        if (!driving || boardShown())
            return;
        if (held(37) || held(65))
            targetX = car.x - 8;
        if (held(39) || held(68))
            targetX = car.x + 8;
        targetX = Math.max(road.left + 20, Math.min(road.left + LANES * LANE - 20, targetX));
        car.x += Math.max(-7, Math.min(7, targetX - car.x));
        car.rotation = (targetX - car.x) * 0.8;
        speed = Math.min(14, speed + 0.004);
        distance += speed;
        road.scroll(speed);
        untilNext -= speed;
        if (untilNext <= 0) {
            spawn();
            untilNext = 150 + Std.random(140) - speed * 5;
        }
        for (t in things.copy()) {
            t.y += speed * (Std.isOfType(t, Car) ? 0.6 : 1.0);
            if (t.y > Screen.HEIGHT + 60) {
                things.remove(t);
                layer.removeChild(t);
                addScore(10);
            } else if (Math.abs(t.x - car.x) < 34 && Math.abs(t.y - car.y) < 56) {
                crash();
                return;
            }
        }
        status("里程 " + Std.int(distance / 40) + " 米    车速 " + Std.int(speed * 10) + " km/h");
    }

    function spawn():Void {
        var lane = Std.random(LANES);
        var thing:Sprite;
        if (Std.random(3) == 0) {
            thing = new Sprite();
            thing.graphics.beginFill(0xFF6D00);
            thing.graphics.moveTo(0, -16);
            thing.graphics.lineTo(12, 14);
            thing.graphics.lineTo(-12, 14);
            thing.graphics.endFill();
            thing.graphics.beginFill(0xFFFFFF);
            thing.graphics.drawRect(-6, -2, 12, 5);
            thing.graphics.endFill();
        } else {
            var colours = [0x1565C0, 0xF9A825, 0x6A1B9A, 0x00897B, 0xECEFF1];
            thing = new Car(colours[Std.random(colours.length)], 36, 66);
        }
        thing.x = road.laneCentre(lane);
        thing.y = Screen.BAR - 50;
        things.push(thing);
        layer.addChild(thing);
    }

    function crash():Void {
        driving = false;
        showBoard("发生碰撞！", ["行驶里程 " + Std.int(distance / 40) + " 米", "得分 " + score, "安全驾驶，保持车距，注意观察"], start);
    }
}
