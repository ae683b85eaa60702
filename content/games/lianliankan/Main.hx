import flash.display.Sprite;
import flash.events.Event;
import flash.events.MouseEvent;

// Match pairs of traffic signs: two equal signs vanish when a line with at most two bends joins them
// through empty cells. Mouse: click two signs. Keyboard: arrows move the frame, space chooses.
class Main extends Screen {
    static inline var COLS = 10;
    static inline var ROWS = 6;
    static inline var CELL = 60;
    static inline var LEFT = 52;
    static inline var TOP = 46;
    static inline var SECONDS = 240;

    var cells:Array<Int>;
    var pieces:Array<Sprite>;
    var layer:Sprite;
    var path:Sprite;
    var frame:Sprite;
    var chosen = -1;
    var cursor = 0;
    var left:Float;
    var running = false;

    static function main() {
        flash.Lib.current.addChild(new Main());
    }

    public function new() {
        super("交通标志连连看");
        layer = new Sprite();
        addChildAt(layer, 0);
        path = new Sprite();
        addChild(path);
        frame = new Sprite();
        frame.graphics.lineStyle(3, 0x4FC3F7);
        frame.graphics.drawRect(-CELL / 2 + 2, -CELL / 2 + 2, CELL - 4, CELL - 4);
        frame.visible = false;
        addChild(frame);
        layer.addEventListener(MouseEvent.CLICK, function(e:MouseEvent) {
            var col = Std.int((e.stageX - LEFT) / CELL);
            var row = Std.int((e.stageY - TOP) / CELL);
            if (col >= 0 && col < COLS && row >= 0 && row < ROWS)
                choose(row * COLS + col);
        });
        addEventListener(Event.ENTER_FRAME, tick);
        newRound();
    }

    function newRound():Void {
        resetScore();
        var kinds = [];
        for (i in 0...Std.int(COLS * ROWS / 2))
            kinds.push(i % SignArt.KINDS);
        cells = [];
        for (k in kinds) {
            cells.push(k);
            cells.push(k);
        }
        shuffle();
        chosen = -1;
        left = SECONDS;
        running = true;
        frame.visible = false;
    }

    function shuffle():Void {
        do {
            for (i in 0...cells.length) {
                var j = Std.random(cells.length);
                var t = cells[i];
                cells[i] = cells[j];
                cells[j] = t;
            }
        } while (remaining() > 0 && !hasMove());
        redraw();
    }

    function redraw():Void {
        while (layer.numChildren > 0)
            layer.removeChildAt(0);
        layer.graphics.clear();
        layer.graphics.beginFill(0x1B1F24);
        layer.graphics.drawRect(0, Screen.BAR, Screen.WIDTH, Screen.HEIGHT - Screen.BAR);
        layer.graphics.endFill();
        pieces = [];
        for (i in 0...cells.length) {
            var tile:Sprite = null;
            if (cells[i] >= 0) {
                tile = new Sprite();
                tile.graphics.beginFill(i == chosen ? 0xFFE082 : 0xEEF2F6);
                tile.graphics.lineStyle(1, 0x8FA3B8);
                tile.graphics.drawRoundRect(-CELL / 2 + 3, -CELL / 2 + 3, CELL - 6, CELL - 6, 10, 10);
                tile.graphics.endFill();
                tile.addChild(SignArt.draw(cells[i], CELL - 16));
                var centre = centreOf(i);
                tile.x = centre.x;
                tile.y = centre.y;
                tile.mouseChildren = false;
                layer.addChild(tile);
            }
            pieces.push(tile);
        }
    }

    function centreOf(i:Int):flash.geom.Point {
        return new flash.geom.Point(LEFT + (i % COLS) * CELL + CELL / 2, TOP + Std.int(i / COLS) * CELL + CELL / 2);
    }

    function choose(i:Int):Void {
        if (!running || boardShown() || cells[i] < 0)
            return;
        if (chosen < 0 || chosen == i) {
            chosen = chosen == i ? -1 : i;
        } else if (cells[chosen] == cells[i] && route(chosen, i) != null) {
            showPath(route(chosen, i));
            cells[chosen] = -1;
            cells[i] = -1;
            chosen = -1;
            addScore(10);
            if (remaining() == 0) {
                running = false;
                var bonus = Std.int(left);
                addScore(bonus);
                showBoard("全部消除！", ["剩余时间奖励 " + bonus + " 分", "总得分 " + score], newRound);
            } else if (!hasMove()) {
                shuffle();
            }
        } else {
            chosen = i;
        }
        redraw();
    }

    function remaining():Int {
        var n = 0;
        for (c in cells)
            if (c >= 0)
                n++;
        return n;
    }

    function hasMove():Bool {
        for (a in 0...cells.length)
            for (b in a + 1...cells.length)
                if (cells[a] >= 0 && cells[a] == cells[b] && route(a, b) != null)
                    return true;
        return false;
    }

    // The cells of a line from a to b with at most two bends, over a grid with a free ring around the
    // board; null when there is none. Breadth-first over (cell, direction), counting bends.
    function route(a:Int, b:Int):Array<flash.geom.Point> {
        var w = COLS + 2;
        var h = ROWS + 2;
        function free(x:Int, y:Int):Bool {
            if (x < 0 || y < 0 || x >= w || y >= h)
                return false;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                return true;
            var i = (y - 1) * COLS + (x - 1);
            return cells[i] < 0 || i == b;
        }
        var dx = [1, -1, 0, 0];
        var dy = [0, 0, 1, -1];
        var best = new Map<Int, Int>();
        var from = new Map<Int, Int>();
        var sx = a % COLS + 1;
        var sy = Std.int(a / COLS) + 1;
        var tx = b % COLS + 1;
        var ty = Std.int(b / COLS) + 1;
        var queue = [];
        for (d in 0...4) {
            var key = (sy * w + sx) * 4 + d;
            best.set(key, 0);
            queue.push(key);
        }
        while (queue.length > 0) {
            var key = queue.shift();
            var d = key % 4;
            var cell = Std.int(key / 4);
            var x = cell % w;
            var y = Std.int(cell / w);
            var bends = best.get(key);
            for (nd in 0...4) {
                var nb = bends + (nd == d ? 0 : 1);
                var nx = x + dx[nd];
                var ny = y + dy[nd];
                if (nb > 2 || !free(nx, ny))
                    continue;
                var next = (ny * w + nx) * 4 + nd;
                if (best.exists(next) && best.get(next) <= nb)
                    continue;
                best.set(next, nb);
                from.set(next, key);
                if (nx == tx && ny == ty)
                    return pathFrom(next, from, w);
                if (nd == d)
                    queue.unshift(next);
                else
                    queue.push(next);
            }
        }
        return null;
    }

    function pathFrom(last:Int, from:Map<Int, Int>, w:Int):Array<flash.geom.Point> {
        var points = [];
        var key:Null<Int> = last;
        while (key != null) {
            var cell = Std.int(key / 4);
            points.push(new flash.geom.Point(LEFT + (cell % w - 1) * CELL + CELL / 2, TOP + (Std.int(cell / w) - 1) * CELL + CELL / 2));
            key = from.get(key);
        }
        return points;
    }

    function showPath(points:Array<flash.geom.Point>):Void {
        var g = path.graphics;
        g.clear();
        g.lineStyle(4, 0xFF7043);
        g.moveTo(points[0].x, points[0].y);
        for (p in points)
            g.lineTo(p.x, p.y);
        path.alpha = 1;
    }

    function tick(_):Void {
        if (path.alpha > 0)
            path.alpha -= 0.05;
        if (!running || boardShown())
            return;
        left -= 1 / 30;
        status("剩余时间 " + Std.int(Math.max(0, left)) + " 秒");
        if (left <= 0) {
            running = false;
            showBoard("时间到", ["得分 " + score, "再来一局，争取全部消除！"], newRound);
        }
    }

    override function keyPressed(code:Int):Void {
        switch (code) {
            case 37: cursor = (cursor + cells.length - 1) % cells.length;
            case 39: cursor = (cursor + 1) % cells.length;
            case 38: cursor = (cursor + cells.length - COLS) % cells.length;
            case 40: cursor = (cursor + COLS) % cells.length;
            case 32, 13: choose(cursor);
            default: return;
        }
        var c = centreOf(cursor);
        frame.x = c.x;
        frame.y = c.y;
        frame.visible = true;
    }
}
