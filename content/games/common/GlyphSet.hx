#if macro
import haxe.macro.Context;
import haxe.macro.Expr;
import sys.FileSystem;
import sys.io.File;

// Gives the font class it builds the glyphs of every character beyond ASCII in the game's sources.
class GlyphSet {
    public static function embed(fontFile:String):Array<Field> {
        var seen = new Map<Int, Bool>();
        var glyphs = new StringBuf();
        for (folder in Context.getClassPath()) {
            if (folder == "" || !FileSystem.exists(folder) || !FileSystem.isDirectory(folder) || folder.indexOf("/std") >= 0)
                continue;
            for (name in FileSystem.readDirectory(folder)) {
                if (!StringTools.endsWith(name, ".hx"))
                    continue;
                var text = File.getContent(haxe.io.Path.join([folder, name]));
                for (i in 0...text.length) {
                    var code = text.charCodeAt(i);
                    if (code > 127 && !seen.exists(code)) {
                        seen.set(code, true);
                        glyphs.addChar(code);
                    }
                }
            }
        }
        var pos = Context.currentPos();
        Context.getLocalClass().get().meta.add(":font", [macro $v{fontFile}, macro $v{glyphs.toString()}], pos);
        return Context.getBuildFields();
    }
}
#end
