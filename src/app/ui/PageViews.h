#pragma once

class CGenericView;
class CNewZelDoc;
class IPlatform;
class QWidget;

// The view of a page position (3 to 9, 11 to 14); a page whose view is not built yet is an empty
// page under its caption.
CGenericView* CreatePageView(int position, CNewZelDoc& document, IPlatform& platform, QWidget* parent);
