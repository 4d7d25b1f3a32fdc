// Resource ids shared by the four programs' resource scripts and their code.
#pragma once

#define IDR_MAINFRAME 128       // program icon
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101        // system menu entry "&About <program>..."
#define IDM_ABOUTBOX 0x0010     // its command id (low four bits clear, as system commands need)
#define IDC_ABOUT_VERSION 1100
#define IDC_ABOUT_LINK 1101

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
