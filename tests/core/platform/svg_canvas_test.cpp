// The SVG canvas: document frame, merged polylines, rectangles, text placement and escaping.
#include "platform/svg_canvas.h"

#include <gtest/gtest.h>

namespace trabeo {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(SvgCanvasTest, DocumentHasTheCanvasSize) {
  SvgCanvas canvas(800, 642);
  const std::string svg = canvas.Document();
  EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
  EXPECT_NE(svg.find("width=\"800\" height=\"642\" viewBox=\"0 0 800 642\""), std::string::npos);
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST(SvgCanvasTest, ConnectedLinesOfOnePenBecomeOnePolyline) {
  SvgCanvas canvas(100, 100);
  canvas.SetPen(colors::kGreen, 1);
  canvas.MoveTo(0, 10);
  canvas.LineTo(5, 10);
  canvas.LineTo(5, 20);
  canvas.SetPen(colors::kGreen, 1);  // the same pen does not break the run
  canvas.LineTo(9, 20);
  canvas.SetPen(colors::kWhite, 2);  // a new pen continues from the current point
  canvas.LineTo(9, 30);
  canvas.Line(1, 2, 3, 4);
  canvas.MoveTo(50, 50);  // a lone move draws nothing
  const std::string svg = canvas.Document();
  EXPECT_EQ(Count(svg, "<polyline"), 3u);
  EXPECT_NE(svg.find("stroke=\"rgb(0,255,0)\" stroke-width=\"1\" points=\"0,10 5,10 5,20 9,20\""),
            std::string::npos);
  EXPECT_NE(svg.find("stroke=\"rgb(255,255,255)\" stroke-width=\"2\" points=\"9,20 9,30\""),
            std::string::npos);
  EXPECT_NE(svg.find("points=\"1,2 3,4\""), std::string::npos);
}

TEST(SvgCanvasTest, RectanglesAreFilledWithTheBrush) {
  SvgCanvas canvas(100, 100);
  canvas.SetBrush(colors::kBlack);
  canvas.FillRect(0, 0, 800, 767);
  canvas.FillRect(5, 5, 5, 10);  // empty: nothing
  const std::string svg = canvas.Document();
  EXPECT_EQ(Count(svg, "<rect"), 1u);
  EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"800\" height=\"767\" fill=\"rgb(0,0,0)\"/>"),
            std::string::npos);
}

TEST(SvgCanvasTest, TextStandsBelowItsTopLeftCornerInItsFont) {
  SvgCanvas canvas(100, 100);
  canvas.SetFont(Font{"Arial", 9, colors::kYellow, kFontBold | kFontItalic});
  canvas.TextOut(8, 20, " RESULTS  ");
  const std::string svg = canvas.Document();
  // 9 pt is 12 px at 96 dpi; the baseline is 0.8 of that below the top.
  EXPECT_NE(svg.find("<text x=\"8\" y=\"30\" font-family=\"Arial, sans-serif\" font-size=\"12px\" "
                     "fill=\"rgb(255,255,0)\" font-weight=\"bold\" font-style=\"italic\" "
                     "xml:space=\"preserve\"> RESULTS  </text>"),
            std::string::npos);
}

TEST(SvgCanvasTest, TextExtentIsAFixedApproximation) {
  SvgCanvas canvas(100, 100);
  canvas.SetFont(Font{"Arial", 9, colors::kWhite, kFontRegular});
  EXPECT_EQ(canvas.TextExtent("abcd").width, 26);  // 4 x 0.55 x 12
  EXPECT_EQ(canvas.TextExtent("abcd").height, 12);
  canvas.SetFont(Font{"Courier", 9, colors::kWhite, kFontRegular});
  EXPECT_EQ(canvas.TextExtent("abcd").width, 29);       // 4 x 0.6 x 12
  EXPECT_EQ(canvas.TextExtent("m\xC2\xB2").width, 14);  // two characters
}

TEST(SvgCanvasTest, TextIsEscapedAndMadeValidUtf8) {
  struct Case {
    std::string text;
    std::string escaped;
  };
  const std::vector<Case> cases{
      {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&apos;"},
      {"N/mm\xC2\xB2", "N/mm\xC2\xB2"},  // valid UTF-8 stays
      {"N/mm\xB2", "N/mm?"},             // a Latin-1 byte does not
      {"a\tb\x01", "a?b?"},
      {"\xE0\x80\x80", "???"},  // overlong
      {"\xED\xA0\x80", "???"},  // surrogate
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"\xE2\x82", "??"},  // cut short
  };
  for (const Case& c : cases)
    EXPECT_EQ(EscapeXml(c.text), c.escaped) << c.text;
  SvgCanvas canvas(10, 10);
  canvas.SetFont(Font{"A&B", 8, colors::kWhite, kFontRegular});
  canvas.TextOut(0, 0, "<x>");
  const std::string svg = canvas.Document();
  EXPECT_NE(svg.find("font-family=\"A&amp;B, sans-serif\""), std::string::npos);
  EXPECT_NE(svg.find(">&lt;x&gt;</text>"), std::string::npos);
}

}  // namespace
}  // namespace trabeo
