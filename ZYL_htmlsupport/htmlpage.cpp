// Library: zyl / Package: ZYL_htmlsupport / Module: htmlpage
#include "ZYL_htmlsupport/htmlpage.h"

#include "ZYL_htmlsupport/htmlentities.h"

namespace ZYL_htmlsupport {
namespace {

constexpr std::u16string_view kCenteredBlock = u"<div style=\"text-align: center\">\r\n";

// A <meta> element naming Content, or nothing when Content is empty.
String meta_line(std::u16string_view Name, const String& Content) {
  if (Content.empty()) return {};
  return String(u"<meta name=\"") + String(Name) + u"\" content=\"" + MakeStringHTMLCompatible(Content) +
         u"\">\r\n";
}

}  // namespace

String DefaultHTMLHead(const String& Title, const String& Author, const String& Description,
                       const String& StyleSheet, bool Centered) {
  String head = u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n";
  head += u"<title>" + MakeStringHTMLCompatible(Title) + u"</title>\r\n";
  head += meta_line(u"author", Author);
  head += meta_line(u"description", Description);
  if (!StyleSheet.empty())
    head += u"<link rel=\"stylesheet\" href=\"" + MakeStringHTMLCompatible(StyleSheet) + u"\">\r\n";
  head += u"</head>\r\n<body>\r\n";
  if (Centered) head += kCenteredBlock;
  return head;
}

String DefaultHTMLFoot(bool Centered) {
  String foot = Centered ? u"</div>\r\n" : u"";
  return foot + u"</body>\r\n</html>\r\n";
}

}  // namespace ZYL_htmlsupport
