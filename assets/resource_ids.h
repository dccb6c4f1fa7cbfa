/* Resource numbers of Velnora.scr's pictures, shared by the resource script
   and the host's code: plain numbers, so rc and C++ both read this file. */
#ifndef VELNORA_ASSETS_RESOURCE_IDS_H
#define VELNORA_ASSETS_RESOURCE_IDS_H

/* Lowest icon number: Explorer shows it as the program's icon. */
#define IDI_VELNORA 1

#define IDC_POINTING_HAND 101

/* Img_Ra(0) and Img_Ra(1). */
#define IDB_MARK_UNCHOSEN 201
#define IDB_MARK_CHOSEN 202

/* Pic_t(1) .. Pic_t(24): frame n is IDB_BANNER_FIRST + n - 1. */
#define IDB_BANNER_FIRST 301
#define IDB_BANNER_COUNT 24
#define IDB_BANNER_1 301
#define IDB_BANNER_2 302
#define IDB_BANNER_3 303
#define IDB_BANNER_4 304
#define IDB_BANNER_5 305
#define IDB_BANNER_6 306
#define IDB_BANNER_7 307
#define IDB_BANNER_8 308
#define IDB_BANNER_9 309
#define IDB_BANNER_10 310
#define IDB_BANNER_11 311
#define IDB_BANNER_12 312
#define IDB_BANNER_13 313
#define IDB_BANNER_14 314
#define IDB_BANNER_15 315
#define IDB_BANNER_16 316
#define IDB_BANNER_17 317
#define IDB_BANNER_18 318
#define IDB_BANNER_19 319
#define IDB_BANNER_20 320
#define IDB_BANNER_21 321
#define IDB_BANNER_22 322
#define IDB_BANNER_23 323
#define IDB_BANNER_24 324

/* The preview still, a baseline JPEG of 152 x 112, as RCDATA. */
#define IDR_PREVIEW_JPEG 401

#endif
