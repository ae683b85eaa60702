import flash.display.Sprite;
import flash.events.MouseEvent;
import flash.text.TextField;
@:font("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf", "得分游戏结束：0-9") class GameFont extends flash.text.Font {}
class Main {
    static function main() {
        flash.text.Font.registerFont(GameFont);
        var name = new GameFont().fontName;
        var stage = flash.Lib.current.stage;
        var s = new Sprite();
        s.graphics.beginFill(0x3366cc); s.graphics.drawRect(0,0,400,300); s.graphics.endFill();
        flash.Lib.current.addChild(s);
        var t = new TextField(); t.embedFonts = true; var f = new flash.text.TextFormat(name, 24, 0xffffff); t.defaultTextFormat = f; t.text = "得分：0"; t.width = 300; flash.Lib.current.addChild(t);
        var n = 0;
        stage.addEventListener(MouseEvent.CLICK, function(_) { n++; t.text = "得分：" + n; s.graphics.beginFill(0xcc3333); s.graphics.drawRect(0,0,400,300); s.graphics.endFill(); });
    }
}
