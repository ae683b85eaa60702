import flash.display.Sprite;
import flash.events.KeyboardEvent;
import flash.events.MouseEvent;
import flash.text.TextField;

// What every game has: the 705 x 430 stage, a bar with the title, the score and a status text, the
// keys held down, and a message board between rounds that a click or the space bar closes.
class Screen extends Sprite {
    public static inline var WIDTH = 705;
    public static inline var HEIGHT = 430;
    public static inline var BAR = 34;

    public var score(default, null):Int = 0;

    var keys:Map<Int, Bool> = new Map();
    var scoreField:TextField;
    var statusField:TextField;
    var board:Sprite;
    var onBoardClosed:Void->Void;

    public function new(title:String) {
        super();
        var bar = new Sprite();
        bar.graphics.beginFill(0x10151B);
        bar.graphics.drawRect(0, 0, WIDTH, BAR);
        bar.graphics.endFill();
        addChild(bar);
        var name = Text.label(title, 18, 0xFFD24A);
        name.x = 12;
        name.y = 5;
        bar.addChild(name);
        scoreField = Text.label("", 18, 0xFFFFFF);
        scoreField.x = 220;
        scoreField.y = 5;
        bar.addChild(scoreField);
        statusField = Text.label("", 16, 0xB8C4D0);
        statusField.x = 360;
        statusField.y = 7;
        bar.addChild(statusField);
        addScore(0);
        flash.Lib.current.stage.addEventListener(KeyboardEvent.KEY_DOWN, function(e:KeyboardEvent) {
            keys.set(e.keyCode, true);
            if (board != null && (e.keyCode == 32 || e.keyCode == 13))
                closeBoard();
            else
                keyPressed(e.keyCode);
        });
        flash.Lib.current.stage.addEventListener(KeyboardEvent.KEY_UP, function(e:KeyboardEvent) keys.set(e.keyCode, false));
    }

    // A key pressed while no message board is up.
    function keyPressed(code:Int):Void {}

    public function held(code:Int):Bool {
        return keys.get(code) == true;
    }

    public function addScore(points:Int):Void {
        score += points;
        Text.set(scoreField, "得分：" + score);
    }

    public function resetScore():Void {
        score = 0;
        addScore(0);
    }

    public function status(text:String):Void {
        Text.set(statusField, text);
    }

    public function boardShown():Bool {
        return board != null;
    }

    // Shows a board with a heading and lines of text; `closed` runs when the learner dismisses it.
    public function showBoard(heading:String, lines:Array<String>, closed:Void->Void):Void {
        board = new Sprite();
        board.graphics.beginFill(0x000000, 0.55);
        board.graphics.drawRect(0, 0, WIDTH, HEIGHT);
        board.graphics.endFill();
        board.graphics.beginFill(0x24303C);
        board.graphics.lineStyle(2, 0xFFD24A);
        board.graphics.drawRoundRect(112, 80, 480, 270, 16, 16);
        board.graphics.endFill();
        var head = Text.label(heading, 28, 0xFFD24A, true);
        head.x = WIDTH / 2 - head.width / 2;
        head.y = 100;
        board.addChild(head);
        var y = 152.0;
        for (line in lines.concat(["", "点击鼠标或按空格键继续"])) {
            var field = Text.label(line, 17, 0xFFFFFF, true);
            field.x = WIDTH / 2 - field.width / 2;
            field.y = y;
            board.addChild(field);
            y += 26;
        }
        onBoardClosed = closed;
        board.addEventListener(MouseEvent.CLICK, function(_) closeBoard());
        addChild(board);
    }

    function closeBoard():Void {
        removeChild(board);
        board = null;
        var closed = onBoardClosed;
        onBoardClosed = null;
        if (closed != null)
            closed();
    }
}
