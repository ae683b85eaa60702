import flash.text.Font;
import flash.text.TextField;
import flash.text.TextFieldAutoSize;
import flash.text.TextFormat;

// The player has no Chinese fonts of its own: each game carries the glyphs of every Chinese character in
// its sources (GlyphSet), and no more.
@:build(GlyphSet.embed("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"))
class ChineseFont extends Font {}

// Letters, digits and the few signs the games write.
@:font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "a-zA-Z0-9./:%+! ")
class LatinFont extends Font {}

class Text {
    static var chinese:String;
    static var latin:String;

    // A line of text in the games' own fonts; Chinese and Latin characters each in their own face.
    public static function label(text:String, size:Int, colour:Int, centred:Bool = false):TextField {
        if (chinese == null) {
            Font.registerFont(ChineseFont);
            Font.registerFont(LatinFont);
            chinese = new ChineseFont().fontName;
            latin = new LatinFont().fontName;
        }
        var field = new TextField();
        field.embedFonts = true;
        field.selectable = false;
        field.mouseEnabled = false;
        field.autoSize = centred ? TextFieldAutoSize.CENTER : TextFieldAutoSize.LEFT;
        field.defaultTextFormat = new TextFormat(chinese, size, colour);
        set(field, text);
        return field;
    }

    public static function set(field:TextField, text:String):Void {
        field.text = text;
        var base = field.defaultTextFormat;
        for (i in 0...text.length) {
            var code = text.charCodeAt(i);
            if (code >= 128)
                continue;
            field.setTextFormat(new TextFormat(latin, base.size, base.color), i, i + 1);
        }
    }
}
