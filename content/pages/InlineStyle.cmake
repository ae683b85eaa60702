# cmake -DSOURCE=page.htm -DSTYLE=page.css -DOUTPUT=out.htm -P InlineStyle.cmake
# Writes the page with its @PAGE_CSS@ mark replaced by the style sheet.
file(READ ${SOURCE} page)
file(READ ${STYLE} style)
string(REPLACE "@PAGE_CSS@" "${style}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
