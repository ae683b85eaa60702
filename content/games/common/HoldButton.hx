import flash.display.Sprite;
import flash.events.MouseEvent;

// An on-screen button that counts as held while the mouse presses it: the mouse's way to steer.
class HoldButton extends Sprite {
    public var down(default, null):Bool = false;

    public function new(caption:String, x:Float, y:Float, w:Float, h:Float) {
        super();
        this.x = x;
        this.y = y;
        graphics.beginFill(0x2E3B48, 0.85);
        graphics.lineStyle(2, 0x8FA3B8);
        graphics.drawRoundRect(0, 0, w, h, 10, 10);
        graphics.endFill();
        var label = Text.label(caption, 16, 0xFFFFFF, true);
        label.x = w / 2 - label.width / 2;
        label.y = h / 2 - label.height / 2;
        addChild(label);
        buttonMode = true;
        addEventListener(MouseEvent.MOUSE_DOWN, function(_) press(true));
        addEventListener(MouseEvent.MOUSE_UP, function(_) press(false));
        addEventListener(MouseEvent.ROLL_OUT, function(_) press(false));
    }

    function press(state:Bool):Void {
        down = state;
        alpha = state ? 0.7 : 1.0;
    }
}
