#pragma once

// The configuration file's two reference listings, byte for byte: code page 1252, no
// byte-order mark, CR LF line ends.
namespace baritemp::test {

// First start, Save without changes, then the main window closed in its normal state.
inline constexpr const char* kFirstListing =
    "<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n"
    "<Configuration>\r\n"
    "  <f_main>\r\n"
    "    <AeroMode>FALSE</AeroMode>\r\n"
    "    <Color1>clBlack</Color1>\r\n"
    "    <Color2>clWhite</Color2>\r\n"
    "    <Lang>FR</Lang>\r\n"
    "    <Dec>4</Dec>\r\n"
    "    <FormVersion>0</FormVersion>\r\n"
    "    <ShowCmd>1</ShowCmd>\r\n"
    "  </f_main>\r\n"
    "</Configuration>\r\n";

// The configuration folder present, the file deleted: what the first show writes.
inline constexpr const char* kSecondListing =
    "<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n"
    "<Configuration/>\r\n";

} // namespace baritemp::test
