; A running Abaquino is asked to close, as its close box would ask it, before its files are
; replaced or removed: Windows does not let a running program's file be overwritten.
!include LogicLib.nsh

!macro CloseRunningAbaquino
  StrCpy $R9 0
  ${Do}
    FindWindow $R8 "AbaquinoForm1"
    ${If} $R8 == 0
    ${OrIf} $R9 >= 50
      ${Break}
    ${EndIf}
    SendMessage $R8 16 0 0 /TIMEOUT=5000 ; WM_CLOSE
    Sleep 100
    IntOp $R9 $R9 + 1
  ${Loop}
  ${If} $R9 > 0
    Sleep 500 ; the process ends a moment after its window
  ${EndIf}
!macroend
