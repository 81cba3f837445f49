#pragma once

// The command ids of the menu, the toolbar, the accelerators and the quick actions.
enum CommandId {
    // Event
    ID_FILE_SAVE = 57603,
    ID_EVENT_DETAILS = 32856,
    ID_EXPORT_TO_FOLDER = 32852,
    ID_EXPORT_BY_MAIL = 32886,
    ID_IMPORT = 32842,
    ID_RESTORE = 32853,
    ID_ADD_EVENT = 32916,
    ID_SWITCH_EVENT = 32905,
    ID_APP_EXIT = 57665,
    // View
    ID_VIEW_GUESTS = 32771,
    ID_VIEW_GROUPS = 32781,
    ID_VIEW_GIFTS = 32772,
    ID_VIEW_EXPENSES = 32782,
    ID_VIEW_TABLES = 32774,
    ID_VIEW_SEATING = 32823,
    ID_VIEW_SKETCH = 32850,
    ID_VIEW_MEETINGS = 32840,
    ID_VIEW_PRINTS = 32841,
    ID_VIEW_BUDGET = 32867,
    ID_NEXT_PAGE = 32859,
    ID_PREVIOUS_PAGE = 32860,
    ID_VIEW_STATUS_BAR = 59393,
    // Sharing
    ID_FTP_SETTINGS = 32895,
    ID_FTP_DOWNLOAD = 32894,
    ID_FTP_UPLOAD = 32893,
    // Real time
    ID_REAL_TIME = 32899,
    // Tools
    ID_SEND_SMS = 32917,
    ID_MAIL_ALL_GUESTS = 32873,
    ID_MAIL_UNCONFIRMED = 32876,
    ID_MAIL_APPROVAL_DETAILS = 32907,
    ID_DOLLAR_RATE = 32789,
    ID_CALCULATOR = 32817,
    ID_SETTINGS = 32833,
    // Automatic seating (the tables menu and the toolbar)
    ID_AUTO_SEAT_ALL = 32918,
    ID_AUTO_SEAT_UNSEATED = 32919,
    // Reports
    ID_REPORT_GUESTS_BY_FAMILY = 32792,
    ID_REPORT_GUESTS_BY_NAME = 32790,
    ID_REPORT_TABLES_BY_SERIAL = 32793,
    ID_REPORT_TABLES_BY_HALL = 32795,
    ID_GUESTS_TO_EXCEL = 32822,
    ID_TABLES_TO_EXCEL = 32824,
    // Help
    ID_APP_ABOUT = 57664,
    ID_WEB_SITE = 32855,
    ID_FEEDBACK = 32862,
    ID_FORUM = 32889,
    ID_CHECK_UPDATES = 32865,
    // Object commands, handled by the active view
    ID_OBJECT_ADD = 32819,
    ID_OBJECT_DELETE = 32820,
    ID_OBJECT_EDIT = 32821,
    ID_OBJECT_FIND = 32826,
    // Keys that only the budget page and the meetings page handle
    ID_BUDGET_NEW = 32866,
    ID_BUDGET_EDIT = 32884,
    ID_BUDGET_DELETE = 32887,
    ID_MEETING_TODAY = 61005,
    // Standard editing and pane keys
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_CUT = 57635,
    ID_EDIT_UNDO = 57643,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    // Quick actions: a page switch followed by an object command
    ID_QUICK_FIRST = 33000,
    ID_QUICK_LAST = 33010,
    ID_QUICK_RANGE_END = 34000,
};
